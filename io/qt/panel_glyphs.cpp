#include "io/qt/panel_glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace q417 {

namespace {

void DrawLoad(QPainter& p) {
    // An open folder with an arrow going into it.
    p.setBrush(QColor(230, 200, 90));
    p.drawPolygon(QPolygon({{1, 5}, {6, 5}, {7, 7}, {14, 7}, {14, 14}, {1, 14}}));
    p.setPen(QPen(QColor(0, 90, 0), 2));
    p.drawLine(11, 1, 11, 9);
    p.drawLine(8, 6, 11, 9);
    p.drawLine(14, 6, 11, 9);
}

void DrawSave(QPainter& p) {
    // A floppy disk.
    p.setBrush(QColor(40, 60, 140));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 2, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 7, 5);
}

void DrawFont(QPainter& p) {
    QFont f(QStringLiteral("Serif"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 120));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("A"));
}

void DrawClear(QPainter& p) {
    // A sheet with a red cross over it.
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 10, 13);
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(5, 5, 14, 14);
    p.drawLine(14, 5, 5, 14);
}

void DrawClose(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.drawLine(3, 3, 12, 12);
    p.drawLine(12, 3, 3, 12);
}

void DrawAbout(QPainter& p) {
    p.setBrush(QColor(0, 70, 170));
    p.setPen(Qt::NoPen);
    p.drawEllipse(1, 1, 14, 14);
    QFont f(QStringLiteral("Serif"));
    f.setPixelSize(12);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("i"));
}

}  // namespace

QIcon PanelGlyph(Glyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    switch (glyph) {
        case Glyph::Load:
            DrawLoad(p);
            break;
        case Glyph::Save:
            DrawSave(p);
            break;
        case Glyph::Font:
            DrawFont(p);
            break;
        case Glyph::Clear:
            DrawClear(p);
            break;
        case Glyph::Close:
            DrawClose(p);
            break;
        case Glyph::About:
            DrawAbout(p);
            break;
    }
    return QIcon(pixmap);
}

}  // namespace q417
