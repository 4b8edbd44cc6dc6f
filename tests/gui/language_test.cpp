// The window in each of its languages: every panel's words fit their places, the machine's
// messages come in the window's language, and the language choice is kept for the next start.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QTest>
#include <QToolButton>

#include "app/config_store.h"
#include "app/interface_language.h"
#include "app/qt/about_panel.h"
#include "app/qt/guide_panel.h"
#include "ui/model_texts.h"
#include "app/qt/settings_panel.h"
#include "app/qt/signal_path_panel.h"
#include "app/qt/translations.h"
#include "io/file_access.h"
#include "io/qt/text_panel.h"
#include "key/qt/card_panel.h"
#include "key/qt/key_box.h"
#include "tests/support/window_fixture.h"

namespace q417::testing {
namespace {

class LanguageTest : public WindowTest {
protected:
    void TearDown() override { UseLanguage(InterfaceLanguage::English); }
    void Speak(InterfaceLanguage language) {
        UseLanguage(language);
        Open();
    }
};

// A word that does not fit its place: what it needs against what it has.
QString Misfit(const QWidget* w, const QString& text, int need, int room) {
    return QStringLiteral("%1 \"%2\": needs %3 px, has %4")
        .arg(w->objectName(), text.left(40))
        .arg(need)
        .arg(room);
}

// Every caption shown in `root`: a label's or button's text in its own font fits its width (a
// wrapped label's, its height), a group's title fits its frame, a combo box's choice fits beside
// its arrow, and nothing shown reaches past its parent's edge.
QStringList Misfits(const QWidget* root) {
    QStringList faults;
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const QFontMetrics fm(w->font());
        if (w->parentWidget() && !w->parentWidget()->rect().contains(w->geometry()) &&
            (qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w)))
            faults << QStringLiteral("%1 reaches past its parent").arg(w->objectName());
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            if (l->text().isEmpty()) continue;
            // Two captions side by side must not run into each other.
            for (const QLabel* other : root->findChildren<const QLabel*>()) {
                if (other == l || other->parentWidget() != l->parentWidget() ||
                    !other->isVisible() || other->text().isEmpty() || other->wordWrap() ||
                    l->wordWrap() || !other->pixmap().isNull())
                    continue;
                const auto inked = [](const QLabel* x) {
                    return QRect(x->pos(), QSize(std::min(x->width(), x->sizeHint().width()),
                                                 x->height()));
                };
                if (l < other && inked(l).intersects(inked(other)))
                    faults << QStringLiteral("\"%1\" runs into \"%2\"")
                                  .arg(l->text().left(30), other->text().left(30));
            }
            if (l->wordWrap()) {
                if (l->heightForWidth(l->width()) > l->height())
                    faults << Misfit(l, l->text(), l->heightForWidth(l->width()), l->height());
            } else if (l->sizeHint().width() > l->width() + 2) {
                faults << Misfit(l, l->text(), l->sizeHint().width(), l->width());
            }
        } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
            const QString text = b->text().trimmed();
            // Radio buttons and check boxes have their indicator beside the caption.
            const QStyle* st = b->style();
            const int indicator =
                qobject_cast<const QToolButton*>(b) ? 2
                : qobject_cast<const QRadioButton*>(b)
                    ? st->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                          st->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b)
                    : st->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, b) +
                          st->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, b);
            const int need = fm.horizontalAdvance(b->text()) + indicator;
            if (!text.isEmpty() && need > b->width()) faults << Misfit(b, text, need, b->width());
        } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            if (fm.horizontalAdvance(g->title()) + 8 > g->width())
                faults << Misfit(g, g->title(), fm.horizontalAdvance(g->title()) + 8, g->width());
        } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
            const int need = fm.horizontalAdvance(c->currentText()) + 22;
            if (need > c->width()) faults << Misfit(c, c->currentText(), need, c->width());
        }
    }
    return faults;
}

TEST_F(LanguageTest, EveryPanelsWordsFitInEveryLanguage) {
    for (auto language : {InterfaceLanguage::English, InterfaceLanguage::Russian,
                          InterfaceLanguage::German}) {
        Speak(language);
        const QString tag = QStringLiteral("language %1: ").arg(int(language));
        QStringList faults;
        // Q417_SCREENSHOTS=<folder>: each panel's picture kept there, to be looked at.
        const QString shots = qEnvironmentVariable("Q417_SCREENSHOTS");
        const auto check = [&](const QWidget* panel, const char* name) {
            ASSERT_TRUE(panel->isVisible()) << name;
            if (!shots.isEmpty())
                window->grab().save(QStringLiteral("%1/%2-%3.png")
                                        .arg(shots, QString::fromLatin1(name).replace(QLatin1Char(' '), QLatin1Char('-')))
                                        .arg(int(language)));
            for (const QString& f : Misfits(panel)) faults << tag + name + ": " + f;
        };
        window->panels().openTextPanel();
        check(&window->panels().textPanel(), "text panel");
        window->panels().openSettingsPanel();
        check(&window->panels().settingsPanel(), "settings panel");
        QTest::mouseClick(window->panels().settingsPanel().button("SpeedButton6"), Qt::LeftButton);
        check(&window->panels().settingsPanel().about(), "about panel");
        window->panels().settingsPanel().closePanel();
        for (int page = 0; page < int(GuidePanel::pages().size()); ++page) {
            window->panels().guidePanel().open(page);
            check(&window->panels().guidePanel(), "guide");
        }
        window->panels().guidePanel().hide();
        window->panels()
            .signalPathPanel()
            .open();  // before any key press: it says what it will show
        check(&window->panels().signalPathPanel(), "signal-path panel");
        Type(Qt::Key_A);
        check(&window->panels().signalPathPanel(), "signal-path panel");
        window->panels().signalPathPanel().hide();
        window->views().stack->openMachine();
        check(window->panels().keyBox().box(), "key box");
        QTest::mouseClick(window->panels().keyBox().button("SpeedButton4"), Qt::LeftButton);
        check(window->panels().keyBox().cardPanel().panel(), "card");
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
    }
}

// The model's English messages reach the user in the window's language, the parts that stand
// for a file name or a reason translated in turn; what the table does not know stays whole.
TEST_F(LanguageTest, TheMachinesMessagesComeInTheWindowsLanguage) {
    const QString cut = QString::fromStdString(FileError("read", "/tmp/a.key", "Read beyond end of file"));
    const QString refusal = QStringLiteral("Close the machine before changing the model.");
    const QString unknown = QStringLiteral("Something the table does not hold.");
    EXPECT_EQ(ModelText(cut), cut);
    UseLanguage(InterfaceLanguage::Russian);
    EXPECT_EQ(ModelText(cut),
              QStringLiteral("Не удалось прочитать файл «/tmp/a.key». Чтение за концом файла"));
    EXPECT_EQ(ModelText(refusal), QStringLiteral("Сначала закройте машину, затем меняйте модель."));
    EXPECT_EQ(ModelText(unknown), unknown);
    UseLanguage(InterfaceLanguage::German);
    EXPECT_EQ(ModelText(QStringLiteral("The settings could not be saved. ") + cut),
              QStringLiteral("Die Einstellungen konnten nicht gespeichert werden. Die Datei "
                             "„/tmp/a.key“ kann nicht gelesen werden. Lesen über das Dateiende "
                             "hinaus"));
    // The session's own refusal, through the settings panel's model buttons.
    Open();
    window->views().stack->openMachine();
    window->panels().openSettingsPanel();
    window->panels().settingsPanel().RadioButton1Click((StoredValue(S().Machine) + 1) % 3);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(ModelText(errors[0]),
              QStringLiteral("Schließen Sie die Maschine, bevor Sie das Modell wechseln."));
}

// The choice on the settings panel is a record of its own in the settings file, read at the
// next start; the machine's records keep their bytes, and Auto takes the record away again.
TEST_F(LanguageTest, TheChoiceIsKeptBesideTheMachinesRecords) {
    window->closeProgram();
    QFile file(SettingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray machine_records = file.readAll();
    file.close();
    ASSERT_FALSE(machine_records.isEmpty());
    Open();
    window->panels().openSettingsPanel();
    auto* choice =
        window->panels().settingsPanel().findChild<QComboBox*>(QStringLiteral("Language"));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->currentIndex(), int(InterfaceLanguage::Automatic));
    const int other = DesktopLanguage() == InterfaceLanguage::German ? 2 : 3;
    choice->activated(other);  // the way a click on the list reports the choice
    EXPECT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
    EXPECT_EQ(ReadInterfaceLanguage(SettingsPath().toStdString()), InterfaceLanguage(other));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(machine_records));
    file.close();
    // A close keeps it, as any record the machine does not know.
    window->closeProgram();
    EXPECT_EQ(ReadInterfaceLanguage(SettingsPath().toStdString()), InterfaceLanguage(other));
    Open();
    window->panels().openSettingsPanel();
    choice = window->panels().settingsPanel().findChild<QComboBox*>(QStringLiteral("Language"));
    EXPECT_EQ(choice->currentIndex(), other);
    choice->activated(int(InterfaceLanguage::Automatic));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), machine_records);

    // The desktop's locale decides while the choice is Auto.
    for (const auto& [locale, language] :
         {std::pair{"ru_RU.UTF-8", InterfaceLanguage::Russian}, {"de_AT", InterfaceLanguage::German},
          {"de", InterfaceLanguage::German}, {"C", InterfaceLanguage::English},
          {"en_GB.UTF-8", InterfaceLanguage::English}, {"fr_FR", InterfaceLanguage::English},
          {"", InterfaceLanguage::English}})
        EXPECT_EQ(LanguageOfLocale(locale), language) << locale;
}

}  // namespace
}  // namespace q417::testing
