#include "ui/sprites.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <memory>
#include <unordered_map>

namespace q417 {

namespace {

const QString kResourceDir = QStringLiteral(":/resources");

#ifdef Q417_PACKED_SPRITES
// The sheets decoded when the program was built: pixels linked in read-only, found by name.
struct PackedSprite {
    const char* name;
    qsizetype offset;
    int width, height;
    qsizetype bytesPerLine;
    bool alpha;
};
constexpr PackedSprite kPacked[] = {
#include "packed_sprites.inc"
};
extern "C" const uchar q417_packed_sprites[];

QImage Packed(const QString& key) {
    for (const PackedSprite& p : kPacked)
        if (key == QLatin1String(p.name))
            return QImage(q417_packed_sprites + p.offset, p.width, p.height, p.bytesPerLine,
                          p.alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return {};
}
#else
QImage Packed(const QString&) {
    return {};
}
#endif

// Upper-cased base name -> resource path, built once.
const QHash<QString, QString>& Index() {
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> h;
        const QStringList files = QDir(kResourceDir).entryList(QDir::Files);
        for (const QString& f : files) {
            h.insert(f.toUpper(), kResourceDir + '/' + f);
            const int dot = f.lastIndexOf('.');
            if (dot > 0 && f.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
                h.insert(f.left(dot).toUpper(), kResourceDir + '/' + f);
        }
        return h;
    }();
    return index;
}

}  // namespace

QImage Sprites::Decoded(const QString& name) {
    const QString path = Index().value(name.toUpper());
    if (path.isEmpty()) return {};
    QImage image(path);
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

bool Sprites::Has(const QString& name) { return Index().contains(name.toUpper()); }

// The cache's nodes never move, so the references handed out stay valid for the whole run.
const QImage& Sprites::Get(const QString& name) {
    static std::unordered_map<QString, std::unique_ptr<QImage>> cache;
    static const QImage none;
    const QString key = name.toUpper();
    auto it = cache.find(key);
    if (it != cache.end()) return *it->second;
    auto image = std::make_unique<QImage>(Packed(key));
    if (image->isNull()) *image = Decoded(key);
    if (image->isNull()) return none;
    return *cache.emplace(key, std::move(image)).first->second;
}

const QImage& Sprites::Numbered(int number) { return Get(QString::number(number)); }

// A name spelt as the file is opened directly: listing and sorting the resource folder to
// find it whatever its case is kept for the other spellings.
QByteArray Sprites::Bytes(const QString& fileName) {
    QFile f(kResourceDir + '/' + fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        const QString path = Index().value(fileName.toUpper());
        if (path.isEmpty()) return {};
        f.setFileName(path);
        if (!f.open(QIODevice::ReadOnly)) return {};
    }
    return f.readAll();
}

}  // namespace q417
