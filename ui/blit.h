#pragma once
#include <QImage>
#include <QRect>

namespace q417 {

// The two ways the machine's pictures are put together from sprite frames: a plain copy, and
// the AND of colours that lets dark legends and glyphs print on what lies below while their
// white background leaves it untouched. Rectangles are clipped to both pictures, so a frame
// that hangs over an edge (a pin at the end of a ring, a bar drawn left of a cover) is cut off
// instead of reading or writing outside memory. A null source draws nothing.

// A fresh 32-bit picture of the given size filled with one colour.
QImage MakePicture(int width, int height, QRgb fill = 0xFFFFFFFF);

// A part of a picture, to be shown as it is: an opaque picture's part shares its pixels (the
// picture's memory is kept while the part lives) and drawing on it copies it first. Any other
// picture, or a part reaching past the picture, gives a copy on a white picture.
QImage SharedPart(const QImage& picture, const QRect& part);

// Copies the source rectangle of `src` to `dst` with its top-left corner at (x, y).
void CopyRect(QImage& dst, int x, int y, const QImage& src, const QRect& from);
inline void CopyAll(QImage& dst, int x, int y, const QImage& src) {
    CopyRect(dst, x, y, src, src.rect());
}

// Combines the source rectangle into `dst` by bitwise AND of the colour channels.
void AndRect(QImage& dst, int x, int y, const QImage& src, const QRect& from);

// Fills a rectangle of `dst` (clipped) with one colour.
void FillRect(QImage& dst, const QRect& area, QRgb colour);

// Copies the source rectangle scaled to fill the destination rectangle (nearest pixel).
void StretchRect(QImage& dst, const QRect& to, const QImage& src, const QRect& from);

}  // namespace q417
