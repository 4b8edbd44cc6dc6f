// Decodes the sprite sheets once, when the program is built: every PNG becomes its pixels in
// the format the program draws from (RGB32, or ARGB32 where the sheet has transparency), laid
// end to end in one file that is linked into the program, with a table of where each sheet
// starts. The window then shows its first frame without decoding a single PNG.
//
// usage: spritepack PIXELS_FILE TABLE_FILE PNG...
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>

namespace {

constexpr qint64 kAlignment = 64;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: spritepack PIXELS_FILE TABLE_FILE PNG...\n");
        return 2;
    }
    QFile pixels(QString::fromLocal8Bit(argv[1]));
    QFile table(QString::fromLocal8Bit(argv[2]));
    if (!pixels.open(QIODevice::WriteOnly) || !table.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "spritepack: cannot write %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "spritepack: cannot read %s\n", argv[i]);
            return 1;
        }
        if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
            image = image.convertToFormat(QImage::Format_RGB32);
        const qint64 offset = pixels.pos();
        pixels.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
        pixels.write(QByteArray((kAlignment - pixels.pos() % kAlignment) % kAlignment, '\0'));
        table.write(QStringLiteral("{\"%1\", %2, %3, %4, %5, %6},\n")
                        .arg(QFileInfo(path).completeBaseName().toUpper())
                        .arg(offset)
                        .arg(image.width())
                        .arg(image.height())
                        .arg(image.bytesPerLine())
                        .arg(image.format() == QImage::Format_ARGB32 ? "true" : "false")
                        .toUtf8());
    }
    return pixels.error() == QFile::NoError && table.error() == QFile::NoError ? 0 : 1;
}
