#include <QPainterPath>
#include <cmath>

#include "core/series_tables.h"
#include "io/keyboard_tables.h"
#include "io/print_tables.h"
#include "tools/artgen/art.h"

// Review pictures: the machine put together from the sheets the way the window draws it, and
// one overview of every sheet with its name.
namespace artgen {

namespace tables = q417::tables;

namespace {

void AndBlit(QImage& dst, QPoint at, const QImage& src, const QRect& from) {
    for (int y = 0; y < from.height(); ++y)
        for (int x = 0; x < from.width(); ++x) {
            const QPoint d = at + QPoint(x, y);
            const QPoint f(from.left() + x, from.top() + y);
            if (!dst.rect().contains(d) || !src.rect().contains(f)) continue;
            dst.setPixel(d, dst.pixel(d) & src.pixel(f));
        }
}

void Copy(QImage& dst, QPoint at, const QImage& src, const QRect& from) {
    QPainter p(&dst);
    p.drawImage(at, src, from);
}

// A rotor as the window renders it: strip of ring letters and pins wrapped onto the body.
QImage RotorView(const Sheets& s, int body, int position, bool closed) {
    const QImage& lit = s.Get("DSK_LIT");
    QImage strip(22, 600, QImage::Format_RGB32);
    strip.fill(Qt::white);
    Copy(strip, QPoint(0, 0), lit, QRect(14, 0, 14, 600));
    Copy(strip, QPoint(0, 600 - 20 * body), lit, QRect(0, 600 - 20 * body, 14, 20));
    for (int i = 1; i <= 30; ++i)
        if (tables::Pins6K[body][i])
            Copy(strip, QPoint(16, 605 - 20 * i), s.Get("PIN"), QRect(0, 0, 8, 9));
    QImage view(40, 191, QImage::Format_RGB32);
    view.fill(Qt::white);
    Copy(view, QPoint(0, 0), s.Get("DSK"), QRect(0, 0, 36, 191));
    int base = 480 - 20 * (position - 1);
    if (base < 0) base += 600;
    for (int i = 0; i <= 300; ++i) {
        int n = base + i;
        if (n >= 600) n -= 600;
        const int y = static_cast<int>(std::nearbyint(95.5 * (1 - std::cos(2.0 * i / 191))));
        if (y > 190) continue;
        AndBlit(view, QPoint(0, y), strip, QRect(0, n, 22, 1));
    }
    Copy(view, QPoint(25, 15), s.Get("IZO"), QRect(position % 2 ? 0 : 8, 0, 8, 165));
    if (closed)
        Copy(view, QPoint(0, 65), s.Get("DSK_LIN"), QRect(0, 0, 36, 29));
    else
        Copy(view, QPoint(0, 0), s.Get("DSK_LINU"), QRect(0, 0, 36, 29));
    return view;
}

void Keyboard(QImage& m, const Sheets& s, int layot, int pressedContact) {
    QImage kb(506, 138, QImage::Format_RGB32);
    kb.fill(kPaint);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 11; ++c) {
            const int contact = tables::KeyContactTable[r][c];
            if (contact == 0) continue;
            const bool pressed = contact == pressedContact;
            const bool digit = tables::IsDigitKey(contact);
            const QPoint cap((r - 1) * 23 + (c - 1) * 46, (r - 1) * 46);
            Copy(kb, cap, s.Get("BUTTON"), QRect(pressed ? 46 : 0, digit ? 92 : 46, 46, 46));
            AndBlit(kb, cap + QPoint(7, pressed ? 12 : 2), s.Get("KBD_LIT_3M"),
                    QRect((c - 1) * 35 + 1, (layot - 1) * 90 + (r - 1) * 30 + 1, 34, 29));
        }
    Copy(m, QPoint(60, 321), kb, kb.rect());
}

void Tapes(QImage& m, const Sheets& s, bool punched) {
    QImage paper(537, 18, QImage::Format_RGB32);
    paper.fill(kTape);
    const QString text = QStringLiteral("ШИФРМАШИНА Q-417 ");
    const int cells = 537 / 14;
    for (int i = 0; i < text.size() && i < cells; ++i) {
        const QString letters = QStringLiteral("АБВГДЕЖЗИКЛМНОПРСТУФХЦЧШЩЫЬЮЯЙ");
        int contact = letters.indexOf(text[i]) + 1;
        if (text[i] == ' ') contact = 31;
        const int x = 537 - 14 * (text.size() - i);
        AndBlit(paper, QPoint(x, 0), s.Get("OUT_LIT_3M"), QRect(14 * contact, 19 * 6, 14, 18));
    }
    Copy(m, QPoint(32, 74), paper, paper.rect());
    if (!punched) return;
    QImage punch(537, 45, QImage::Format_RGB32);
    punch.fill(kTape);
    for (int i = 0; i < 76; ++i)
        AndBlit(punch, QPoint(537 - 7 * (76 - i), 0), s.Get("OUT_PUN"),
                QRect(7 * (i % 32), 0, 7, 44));
    Copy(m, QPoint(32, 24), punch, punch.rect());
}

QRegion WindowOutline() {
    const int W = 649, H = 575;
    auto round = [](QRect r, int e) {
        QPainterPath path;
        path.addRoundedRect(r, e / 2.0, e / 2.0);
        return QRegion(path.toFillPolygon().toPolygon());
    };
    QRegion r = round(QRect(0, 0, W, H - 50), 35);
    r += round(QRect(149, H - 60, 32, 60), 10);
    r += QRegion(32, H - 51, 39, 16) + QRegion(579, H - 51, 39, 16) + QRegion(213, H - 51, 28, 22);
    r ^= round(QRect(216, 532, 10, 10), 10);
    r ^= round(QRect(229, 532, 10, 10), 10);
    return r;
}

}  // namespace

QImage ComposeMachine(const Sheets& s, bool open) {
    QImage m = s.Get("cabinet").copy();
    auto put = [&](const char* sheet, QPoint at, QRect from) { Copy(m, at, s.Get(sheet), from); };
    put("PICT6", {591, 0}, {0, 0, 59, 81});
    put("LANG", {569, 0}, {0, 0, 22, 97});
    put("BCS", {366, 0}, {0, 23 * 2, 84, 23});
    put("PICT11", {0, 108}, {37, 0, 37, 191});
    Tapes(m, s, open);
    if (open) {
        QImage st(330, 191, QImage::Format_RGB32);
        QPainter p(&st);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(0, 0, 330, 191), s.Get("STEPER"));
        p.drawImage(0, 0, s.Get("LINEUP"));
        p.drawImage(0, 89, s.Get("SHAFT"));
        p.end();
        Copy(m, {115, 108}, st, st.rect());
    }
    const int frame = open ? 2 : 0;
    put("REFLECTOR", {37, 108}, {78 * frame, 0, 78, 191});
    put("ENTRY", {445, 108}, {78 * frame, 0, 78, 191});
    for (int slot = 1; slot <= (open ? 7 : 10); ++slot) {
        const QImage v = RotorView(s, slot, slot, !open);
        Copy(m, {115 + 33 * (slot - 1), 108}, v, {0, 0, 33, 191});
    }
    QImage wheel = s.Get("MODEWHEEL").copy();
    Copy(wheel, {69, 94}, s.Get("SPSLEVER"), {open ? 0 : 22, 0, 22, 38});
    Copy(wheel, {28, 85}, s.Get("RODLEVER"), {open ? 42 : 21, 0, 21, 117});
    Copy(m, {548, 97}, wheel, wheel.rect());
    Keyboard(m, s, open ? 1 : 4, open ? 0 : 19);
    put("SPACE", {185, 461}, {0, 0, 240, 86});
    put("COUNTER1", {27, 463}, {0, 19, 115, 34});
    for (int i = 0; i < 4; ++i)
        put("COUNTER1", {i == 3 ? 27 + 90 : 27 + 13 + 23 * i, 470}, {14 * (i + 1), 0, 14, 19});
    put("PUSKSTOP", {566, 356}, {0, 52, 47, 52});
    put("PUSKSTOP", {566, 412}, {open ? 47 : 0, 0, 47, 52});
    // Outside the window's outline: a neutral backdrop.
    QImage framed(m.size(), QImage::Format_RGB32);
    framed.fill(QColor(235, 235, 240));
    QPainter p(&framed);
    p.setClipRegion(WindowOutline());
    p.drawImage(0, 0, m);
    return framed;
}

QImage Gallery(const Sheets& s) {
    const int width = 1400;
    std::vector<std::pair<QString, QImage>> items;
    items.emplace_back("machine, closed", ComposeMachine(s, false));
    items.emplace_back("machine, open", ComposeMachine(s, true));
    for (const Sheet& sh : s.All()) {
        if (sh.name.startsWith('~')) continue;
        const QImage& img = sh.image;
        const int scale = img.width() < 120 && img.height() < 120 ? 3 : 1;
        items.emplace_back(QString("%1  %2x%3").arg(sh.name).arg(img.width()).arg(img.height()),
                           img.scaled(img.size() * scale));
    }
    items.emplace_back("icon 256, 64, 32", QImage());
    // Lay the items out in rows.
    int x = 10, y = 10, rowH = 0, height = 0;
    std::vector<QPoint> at;
    for (auto& [name, img] : items) {
        const QSize sz = img.isNull() ? QSize(360, 256) : img.size();
        if (x + sz.width() > width - 10) {
            x = 10;
            y += rowH + 24;
            rowH = 0;
        }
        at.emplace_back(x, y + 16);
        x += std::max(sz.width(), 150) + 16;
        rowH = std::max(rowH, sz.height());
        height = y + rowH + 40;
    }
    QImage g(width, height, QImage::Format_RGB32);
    g.fill(QColor(96, 100, 104));
    QPainter p(&g);
    p.setFont(Sans(11, true));
    for (size_t i = 0; i < items.size(); ++i) {
        p.setPen(Qt::white);
        p.drawText(at[i] - QPoint(0, 4), items[i].first);
        if (!items[i].second.isNull()) {
            p.drawImage(at[i], items[i].second);
            continue;
        }
        p.drawImage(at[i], PaintIcon(256));
        p.drawImage(at[i] + QPoint(264, 0), PaintIcon(64));
        p.drawImage(at[i] + QPoint(264, 72), PaintIcon(32).scaled(96, 96));
        p.drawImage(at[i] + QPoint(264, 176), PaintLogo());
    }
    return g;
}

}  // namespace artgen
