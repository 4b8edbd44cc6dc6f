#include "ui/blit.h"

#include <algorithm>

namespace q417 {

namespace {

// Works out the part of `from` that lands inside `dst` at (x, y) and lies inside `src`.
// Returns false when nothing is left.
bool Clip(const QImage& dst, int& x, int& y, const QImage& src, QRect& from) {
    if (src.isNull() || dst.isNull()) return false;
    QRect s = from.intersected(src.rect());
    x += s.left() - from.left();
    y += s.top() - from.top();
    const QRect target = QRect(x, y, s.width(), s.height()).intersected(dst.rect());
    if (target.isEmpty()) return false;
    s.adjust(target.left() - x, target.top() - y, 0, 0);
    s.setSize(target.size());
    x = target.left();
    y = target.top();
    from = s;
    return true;
}

// Row addresses worked out from the first pixel and the line length: asking the picture for
// each row checks for sharing every time, which was a good part of drawing the window at start.
class SourceRows {
public:
    explicit SourceRows(const QImage& src) : bits_(src.constBits()), stride_(src.bytesPerLine()) {}
    const QRgb* operator[](int row) const {
        return reinterpret_cast<const QRgb*>(bits_ + row * stride_);
    }

private:
    const uchar* bits_;
    qsizetype stride_;
};

class TargetRows {
public:
    explicit TargetRows(QImage& dst) : bits_(dst.bits()), stride_(dst.bytesPerLine()) {}
    QRgb* operator[](int row) const { return reinterpret_cast<QRgb*>(bits_ + row * stride_); }

private:
    uchar* bits_;
    qsizetype stride_;
};

// Sheets are 32-bit (with or without alpha); the colour bits are what count.
QImage As32(const QImage& src) {
    if (src.format() == QImage::Format_RGB32 || src.format() == QImage::Format_ARGB32) return src;
    return src.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage MakePicture(int width, int height, QRgb fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage SharedPart(const QImage& picture, const QRect& part) {
    if (picture.format() == QImage::Format_RGB32 && picture.rect().contains(part)) {
        const uchar* first = picture.constBits() + part.top() * picture.bytesPerLine() +
                             part.left() * static_cast<qsizetype>(sizeof(QRgb));
        // The part holds a reference to the whole picture until it is itself let go.
        return QImage(
            first, part.width(), part.height(), picture.bytesPerLine(), picture.format(),
            [](void* whole) { delete static_cast<QImage*>(whole); }, new QImage(picture));
    }
    QImage copy = MakePicture(part.width(), part.height());
    CopyRect(copy, 0, 0, picture, part);
    return copy;
}

namespace {

// Walks the clipped rectangle row by row, combining each source pixel into the target.
template <typename Combine>
void Blit(QImage& dst, int x, int y, const QImage& source, const QRect& rect, Combine combine) {
    QRect from = rect;
    const QImage src = As32(source);
    if (!Clip(dst, x, y, src, from)) return;
    const SourceRows sourceRows(src);
    const TargetRows targetRows(dst);
    for (int r = 0; r < from.height(); ++r) {
        const QRgb* s = sourceRows[from.top() + r] + from.left();
        QRgb* d = targetRows[y + r] + x;
        for (int c = 0; c < from.width(); ++c) combine(d[c], s[c] | 0xFF000000u);
    }
}

}  // namespace

// An RGB32 sheet already holds opaque pixels, so its rows are copied whole; that is most of
// what start-up draws.
void CopyRect(QImage& dst, int x, int y, const QImage& source, const QRect& rect) {
    if (source.format() != QImage::Format_RGB32) {
        Blit(dst, x, y, source, rect, [](QRgb& d, QRgb s) { d = s; });
        return;
    }
    QRect from = rect;
    if (!Clip(dst, x, y, source, from)) return;
    const SourceRows sourceRows(source);
    const TargetRows targetRows(dst);
    for (int r = 0; r < from.height(); ++r)
        std::copy_n(sourceRows[from.top() + r] + from.left(), from.width(), targetRows[y + r] + x);
}

// Legends and glyphs: white in the sprite leaves the picture as it is, ink darkens it.
void AndRect(QImage& dst, int x, int y, const QImage& source, const QRect& rect) {
    Blit(dst, x, y, source, rect, [](QRgb& d, QRgb s) { d &= s; });
}

void FillRect(QImage& dst, const QRect& area, QRgb colour) {
    const QRect a = area.intersected(dst.rect());
    if (a.isEmpty()) return;
    const TargetRows targetRows(dst);
    for (int r = a.top(); r <= a.bottom(); ++r) {
        QRgb* d = targetRows[r];
        std::fill(d + a.left(), d + a.left() + a.width(), colour | 0xFF000000u);
    }
}

void StretchRect(QImage& dst, const QRect& to, const QImage& source, const QRect& from) {
    const QImage src = As32(source);
    if (src.isNull() || dst.isNull() || from.isEmpty() || to.isEmpty()) return;
    const SourceRows sourceRows(src);
    const TargetRows targetRows(dst);
    for (int r = 0; r < to.height(); ++r) {
        const int ty = to.top() + r;
        const int sy = from.top() + r * from.height() / to.height();
        if (ty < 0 || ty >= dst.height() || sy < 0 || sy >= src.height()) continue;
        const QRgb* s = sourceRows[sy];
        QRgb* d = targetRows[ty];
        for (int c = 0; c < to.width(); ++c) {
            const int tx = to.left() + c;
            const int sx = from.left() + c * from.width() / to.width();
            if (tx < 0 || tx >= dst.width() || sx < 0 || sx >= src.width()) continue;
            d[tx] = s[sx] | 0xFF000000u;
        }
    }
}

}  // namespace q417
