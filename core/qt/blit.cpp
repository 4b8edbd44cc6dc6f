#include "core/qt/blit.h"

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

const QRgb* SourceRow(const QImage& src, int row) {
    return reinterpret_cast<const QRgb*>(src.constScanLine(row));
}

QRgb* TargetRow(QImage& dst, int row) {
    return reinterpret_cast<QRgb*>(dst.scanLine(row));
}

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

namespace {

// Walks the clipped rectangle row by row, combining each source pixel into the target.
template <typename Combine>
void Blit(QImage& dst, int x, int y, const QImage& source, const QRect& rect, Combine combine) {
    QRect from = rect;
    const QImage src = As32(source);
    if (!Clip(dst, x, y, src, from)) return;
    for (int r = 0; r < from.height(); ++r) {
        const QRgb* s = SourceRow(src, from.top() + r) + from.left();
        QRgb* d = TargetRow(dst, y + r) + x;
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
    for (int r = 0; r < from.height(); ++r)
        std::copy_n(SourceRow(source, from.top() + r) + from.left(), from.width(),
                    TargetRow(dst, y + r) + x);
}

// Legends and glyphs: white in the sprite leaves the picture as it is, ink darkens it.
void AndRect(QImage& dst, int x, int y, const QImage& source, const QRect& rect) {
    Blit(dst, x, y, source, rect, [](QRgb& d, QRgb s) { d &= s; });
}

void FillRect(QImage& dst, const QRect& area, QRgb colour) {
    const QRect a = area.intersected(dst.rect());
    for (int r = a.top(); r <= a.bottom(); ++r) {
        QRgb* d = TargetRow(dst, r);
        std::fill(d + a.left(), d + a.left() + a.width(), colour | 0xFF000000u);
    }
}

void StretchRect(QImage& dst, const QRect& to, const QImage& source, const QRect& from) {
    const QImage src = As32(source);
    if (src.isNull() || from.isEmpty() || to.isEmpty()) return;
    for (int r = 0; r < to.height(); ++r) {
        const int ty = to.top() + r;
        const int sy = from.top() + r * from.height() / to.height();
        if (ty < 0 || ty >= dst.height() || sy < 0 || sy >= src.height()) continue;
        const QRgb* s = SourceRow(src, sy);
        QRgb* d = TargetRow(dst, ty);
        for (int c = 0; c < to.width(); ++c) {
            const int tx = to.left() + c;
            const int sx = from.left() + c * from.width() / to.width();
            if (tx < 0 || tx >= dst.width() || sx < 0 || sx >= src.width()) continue;
            d[tx] = s[sx] | 0xFF000000u;
        }
    }
}

}  // namespace q417
