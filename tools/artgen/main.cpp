#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "tools/artgen/art.h"

// artgen --out DIR        writes every picture, the sounds, the icon and the logo into DIR
// artgen --gallery FILE   writes one review picture of everything
// artgen --machine FILE   writes the machine put together from the sheets, closed and open
namespace {

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

bool WriteAll(const artgen::Sheets& sheets, const QString& dir) {
    QDir().mkpath(dir);
    bool ok = true;
    for (const artgen::Sheet& s : sheets.All()) {
        if (s.name.startsWith('~')) continue;
        const QString path = QDir(dir).filePath(s.name + ".png");
        if (!artgen::ForDepth(s.image, s.bits).save(path, "PNG")) {
            std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    ok = WriteFile(QDir(dir).filePath("SOUND1.wav"), artgen::StepWave()) && ok;
    ok = WriteFile(QDir(dir).filePath("SOUND2.wav"), artgen::ClickWave()) && ok;
    ok = artgen::WriteIcons(dir) && ok;
    ok = artgen::WriteLogo(dir) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QString out, gallery, machine;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == "--out")
            out = args[i + 1];
        else if (args[i] == "--gallery")
            gallery = args[i + 1];
        else if (args[i] == "--machine")
            machine = args[i + 1];
    }
    if (out.isEmpty() && gallery.isEmpty() && machine.isEmpty()) {
        std::fprintf(stderr, "usage: artgen [--out DIR] [--gallery FILE.png]\n");
        return 2;
    }
    artgen::LoadFonts();
    artgen::Sheets sheets;
    artgen::AddAll(sheets);
    bool ok = true;
    if (!out.isEmpty()) ok = WriteAll(sheets, out);
    if (!gallery.isEmpty()) ok = artgen::Gallery(sheets).save(gallery) && ok;
    if (!machine.isEmpty()) {
        // The closed machine; the open one beside it in a second file.
        ok = artgen::ComposeMachine(sheets, false).save(machine) && ok;
        ok = artgen::ComposeMachine(sheets, true).save(machine + ".open.png") && ok;
    }
    return ok ? 0 : 1;
}
