#include "app/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace q417 {

namespace {

struct Translators {
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
    InterfaceLanguage language = InterfaceLanguage::English;
};

Translators& Installed() {
    static Translators installed;
    return installed;
}

// A catalogue loaded and installed, or nothing when it cannot be loaded.
std::unique_ptr<QTranslator> Load(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder) || !QCoreApplication::installTranslator(translator.get()))
        return nullptr;
    return translator;
}

}  // namespace

void UseLanguage(InterfaceLanguage language) {
    Translators& t = Installed();
    for (auto* old : {&t.program, &t.qt}) {
        if (*old) QCoreApplication::removeTranslator(old->get());
        old->reset();
    }
    t.language = EffectiveLanguage(language);
    const char* code = t.language == InterfaceLanguage::Russian  ? "ru"
                       : t.language == InterfaceLanguage::German ? "de"
                                                                 : nullptr;
    if (!code) return;
    t.program = Load(QStringLiteral("q417_%1").arg(QLatin1String(code)), QStringLiteral(":/i18n"));
    t.qt = Load(QStringLiteral("qtbase_%1").arg(QLatin1String(code)),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

InterfaceLanguage LanguageInUse() {
    return Installed().language;
}

}  // namespace q417
