#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

#include "tools/artgen/art.h"

// The program's icon and the logo of the about panel: the rotor stack over the keyboard.
namespace artgen {

namespace {

// Drawn on a 100 x 100 design grid and scaled to the size asked for.
void PaintEmblem(QPainter& p, double size, bool detailed) {
    p.scale(size / 100.0, size / 100.0);
    QLinearGradient body(QPointF(0, 0), QPointF(0, 100));
    body.setColorAt(0, QColor(196, 200, 196));
    body.setColorAt(1, QColor(120, 126, 120));
    p.setPen(QPen(QColor(40, 44, 40), 3));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 8, 92, 84), 12, 12);
    // Rotors: five ivory cylinders in a dark bay.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 36, 35));
    p.drawRect(QRectF(12, 18, 76, 40));
    for (int i = 0; i < 5; ++i) {
        QLinearGradient g(QPointF(0, 20), QPointF(0, 56));
        g.setColorAt(0, QColor(90, 84, 70));
        g.setColorAt(0.35, QColor(255, 248, 225));
        g.setColorAt(1, QColor(80, 74, 60));
        p.setBrush(g);
        p.drawRect(QRectF(15 + 14.6 * i, 20, 11.5, 36));
    }
    p.setBrush(QColor(190, 30, 24));
    p.drawRect(QRectF(12, 40, 76, 5));
    if (detailed) {
        p.setFont(Sans(9, true));
        p.setPen(QColor(20, 20, 20));
        const char* const letters[5] = {"К", "Л", "Ю", "Ч", "А"};
        for (int i = 0; i < 5; ++i)
            p.drawText(QRectF(15 + 14.6 * i, 26, 11.5, 12), Qt::AlignCenter, letters[i]);
        p.setPen(Qt::NoPen);
    }
    // Keys.
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 6 - row; ++k) {
            p.setBrush(QColor(250, 250, 244));
            p.drawRoundedRect(QRectF(13 + 6 * row + 12.5 * k, 64 + 12 * row, 9.5, 9), 2, 2);
        }
}

bool WriteJpeg(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    FILE* f = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!f) return false;
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = static_cast<JDIMENSION>(rgb.width());
    c.image_height = static_cast<JDIMENSION>(rgb.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 92, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(c.next_scanline)));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return std::fclose(f) == 0;
}

// The sixteen colours of the small icon.
QVector<QRgb> IconPalette() {
    return {qRgb(0, 0, 0),       qRgb(255, 255, 255), qRgb(40, 44, 40),    qRgb(34, 36, 35),
            qRgb(90, 84, 70),    qRgb(255, 248, 225), qRgb(190, 30, 24),   qRgb(196, 200, 196),
            qRgb(160, 164, 160), qRgb(120, 126, 120), qRgb(250, 250, 244), qRgb(200, 190, 160),
            qRgb(140, 132, 112), qRgb(70, 74, 70),    qRgb(230, 226, 210), qRgb(100, 104, 100)};
}

}  // namespace

QImage PaintIcon(int size) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    Smooth(p);
    PaintEmblem(p, size, size >= 64);
    p.end();
    if (size > 32) return img;
    // The small icon keeps to sixteen colours; its transparent corners become the first one.
    QImage indexed =
        img.convertToFormat(QImage::Format_Indexed8, IconPalette(), Qt::ThresholdDither);
    QImage out = indexed.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(img.pixel(x, y)) < 128) out.setPixel(x, y, 0);
    return out;
}

QImage PaintLogo() {
    QImage img(109, 90, QImage::Format_RGB32);
    QLinearGradient bg(QPointF(0, 0), QPointF(0, 90));
    bg.setColorAt(0, QColor(232, 232, 226));
    bg.setColorAt(1, QColor(192, 192, 186));
    QPainter p(&img);
    Smooth(p);
    p.fillRect(img.rect(), bg);
    p.save();
    p.translate(22, 4);
    PaintEmblem(p, 64, true);
    p.restore();
    p.setFont(Serif(15, true));
    p.setPen(QColor(150, 20, 16));
    p.drawText(QRectF(0, 66, 109, 22), Qt::AlignCenter, "Q-417");
    return img;
}

bool WriteIcons(const QString& dir) {
    bool ok = true;
    for (int size : {32, 64, 128, 256, 512})
        ok = PaintIcon(size).save(QDir(dir).filePath(QString("icon%1.png").arg(size))) && ok;
    return ok;
}

bool WriteLogo(const QString& dir) {
    return WriteJpeg(PaintLogo(), QDir(dir).filePath("logo.jpg"));
}

}  // namespace artgen
