#include <cmath>

#include "tools/artgen/art.h"

// The punch card editor's sprites: hole, pointer frames, marks, the blank card and its digits.
namespace artgen {

namespace {

QImage Cell() {
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

QImage Hole() {
    QImage img = Cell();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (std::hypot(x - 3.5, y - 3.5) <= 3.6) img.setPixel(x, y, qRgb(0, 0, 0));
    return img;
}

QImage Outline() {
    QImage img = Cell();
    for (int i = 0; i < 8; ++i)
        for (QPoint pt : {QPoint(i, 0), QPoint(i, 7), QPoint(0, i), QPoint(7, i)})
            img.setPixel(pt, qRgb(0, 0, 0));
    return img;
}

// A red cross in a black frame: it must stand out over the red and white marks as well.
QImage Cross() {
    QImage img = Outline();
    for (int i = 1; i < 7; ++i) {
        img.setPixel(i, i, qRgb(255, 0, 0));
        img.setPixel(7 - i, i, qRgb(255, 0, 0));
        if (i < 6) {
            img.setPixel(i + 1, i, qRgb(255, 0, 0));
            img.setPixel(6 - i, i, qRgb(255, 0, 0));
        }
    }
    return img;
}

QImage Checker() {
    QImage img = Cell();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x / 2 + y / 2) % 2 == 0) img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

// The blank card. It is laid 40 pixels down on the editor's picture, so its grid row r lies at
// rows 8r .. 8r + 7 of the card: the printing stays out of the top forty rows, which also show
// in the band above the grid.
QImage BlankCard() {
    QImage img(256, 300, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int y = 0; y < 260; ++y) {
        img.setPixel(0, y, qRgb(0, 0, 0));
        img.setPixel(255, y, qRgb(0, 0, 0));
    }
    for (int x = 0; x < 256; ++x) img.setPixel(x, 259, qRgb(0, 0, 0));
    for (int r = 5; r <= 30; r += 5)
        for (int x = 2; x < 6; ++x) {
            img.setPixel(x, 8 * r + 3, qRgb(0, 0, 0));
            img.setPixel(x, 8 * r + 4, qRgb(0, 0, 0));
        }
    for (int c = 5; c <= 30; c += 5)
        InkText(img, QRect(8 * c - 6, 249, 20, 10), QString::number(c), SansCondensed(8, true),
                kBlack);
    return img;
}

QImage Digits() {
    QImage img(130, 16, QImage::Format_RGB32);
    img.fill(Qt::white);
    for (int d = 0; d < 10; ++d)
        InkText(img, QRect(13 * d, 0, 13, 16), QString::number(d), Mono(16, true), kBlack);
    return img;
}

}  // namespace

void AddCard(Sheets& s) {
    s.Add("9", Hole(), 1);
    s.Add("10", Outline(), 1);
    s.Add("11", Cross(), 4);
    s.Add("12", Cell(), 1);
    s.Add("13", BlankCard(), 1);
    s.Add("14", Checker(), 4);
    s.Add("15", Digits(), 1);
}

}  // namespace artgen
