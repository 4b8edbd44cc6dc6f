// The rotor rendering rule, the module switch's blend, the control box's zones and the
// physical key mapping.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

#include "app/qt/cabinet_zones.h"
#include "app/qt/control_box.h"
#include "app/qt/key_mapping.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "core/machine.h"
#include "ui/blit.h"
#include "core/qt/rotor_view.h"
#include "io/keyboard_tables.h"

namespace q417 {
namespace {

TEST(CylinderRowTest, FollowsTheCosineCurve) {
    for (int i = 0; i < kCylinderRows; ++i) {
        const double exact = 95.5 * (1.0 - std::cos(2.0 * i / 191.0));
        EXPECT_LE(std::abs(CylinderRow(i) - exact), 0.5) << i;
        if (i > 0) {
            EXPECT_GE(CylinderRow(i), CylinderRow(i - 1)) << i;
        }
    }
    EXPECT_EQ(CylinderRow(0), 0);
    EXPECT_EQ(CylinderRow(150), 95);
    EXPECT_EQ(CylinderRow(300), 191);  // just below the picture
}

// A strip whose every row has its own colour, so each view row shows which rows made it.
QImage NumberedStrip() {
    QImage strip = MakePicture(kStripWidth, kStripHeight);
    for (int y = 0; y < kStripHeight; ++y)
        for (int x = 0; x < kStripWidth; ++x)
            strip.setPixel(x, y, qRgb(255 - (y & 0x7F), 255 - ((y >> 7) << 5), 255 - x));
    return strip;
}

struct ViewCase {
    int position;
    bool closed;
};

class RotorViewRule : public ::testing::TestWithParam<ViewCase> {};

TEST_P(RotorViewRule, WrapsTheStripOntoTheCylinder) {
    const ViewCase c = GetParam();
    const QImage strip = NumberedStrip();
    const QImage view = RenderRotorView(strip, c.position, c.closed);
    ASSERT_EQ(view.size(), QSize(kViewWidth, kViewHeight));

    QImage expected = MakePicture(kViewWidth, kViewHeight);
    CopyAll(expected, 0, 0, Sprites::Get("dsk"));
    int base = 480 - 20 * (c.position - 1);
    if (base < 0) base += 600;
    for (int i = 0; i < kCylinderRows; ++i) {
        const int n = base + i > 600 ? base + i - 600 : base + i;
        const int y = CylinderRow(i);
        if (y >= kViewHeight || n >= kStripHeight) continue;
        for (int x = 0; x < kStripWidth; ++x)
            expected.setPixel(x, y, expected.pixel(x, y) & strip.pixel(x, n));
    }
    for (int y = 0; y < kViewHeight; ++y) {
        if (c.closed && y >= 65 && y < 94 && Sprites::Has("dsk_lin")) continue;
        for (int x = 0; x < kStripWidth; ++x)
            ASSERT_EQ(view.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    }
    // The side band: the left column of the band sheet for odd positions, the right for even.
    const QImage& band = Sprites::Get("izo");
    if (!band.isNull()) {
        EXPECT_EQ(view.pixel(28, 100) | 0xFF000000u,
                  band.pixel((c.position % 2 ? 0 : 8) + 3, 85) | 0xFF000000u);
    }
}

INSTANTIATE_TEST_SUITE_P(Positions, RotorViewRule,
                         ::testing::Values(ViewCase{1, true}, ViewCase{30, true},
                                           ViewCase{2, false}, ViewCase{29, false},
                                           ViewCase{15, true}));

TEST(RotorViewRule, TopRowStartsAtRow480ForPositionOneAndRow500ForThirty) {
    const QImage strip = NumberedStrip();
    const QRgb dsk = Sprites::Has("dsk") ? Sprites::Get("dsk").pixel(3, 0) : 0xFFFFFFFFu;
    for (const auto& [position, first] : {std::pair{1, 480}, std::pair{30, 500}}) {
        // The first ten rows of the arc all land on the top row of the view.
        QRgb expected = dsk;
        for (int n = first; n < first + 10; ++n) expected &= strip.pixel(3, n);
        EXPECT_EQ(RenderRotorView(strip, position, false).pixel(3, 0) | 0xFF000000u,
                  expected | 0xFF000000u)
            << position;
    }
}

// The rotor pictures skip making a strip or a view again when nothing it shows changed; every
// change of body, ring, series, position or frame must still reach the window, as a fresh
// rendering draws it.
TEST(RotorPictures, ShowWhatAFreshRenderingShowsAfterEveryKindOfChange) {
    Machine machine;
    RotorPictures pictures(machine);
    PictureElement control(QStringLiteral("R3"), QRect(0, 0, kViewWidth, kViewHeight), false,
                           nullptr);
    pictures.BindControl(3, &control);
    RotorStack& rotors = machine.rotors;
    auto expectFresh = [&](const char* what) {
        const QImage strip = BuildRotorStrip(rotors.Slot(3), rotors.Pins(), rotors.LoadedSeries());
        QImage expected =
            RenderRotorView(strip, rotors.Slot(3).Position, machine.state.MachineClosed);
        if (!machine.state.MachineClosed) CopyAll(expected, 0, 0, Sprites::Get("dsk_linU"));
        EXPECT_EQ(pictures.Strip(3), strip) << what;
        EXPECT_EQ(control.image(), expected) << what;
    };
    auto rebuilt = [&] {
        pictures.RotorInitialised(3);
        pictures.RotorMoved(3);
    };

    pictures.RotorMoved(3);
    expectFresh("first drawing");
    rebuilt();  // asked again with nothing changed
    expectFresh("same rotor again");
    ASSERT_TRUE(rotors.InitRotor(3, 7, 1, 3, 1, 1));
    rebuilt();
    expectFresh("another body");
    ASSERT_TRUE(rotors.InitRotor(3, 7, 12, 3, 1, 1));
    rebuilt();
    expectFresh("another ring setting");
    ASSERT_TRUE(rotors.LoadSeries(rotors.LoadedSeries() == RotorSeries::Series3K
                                      ? RotorSeries::Series6K
                                      : RotorSeries::Series3K));
    pictures.BuildRotorStrip(3);
    pictures.RedrawRotor(3);
    expectFresh("another series");
    rotors.SetPosition(3, 21);
    pictures.RotorMoved(3);
    expectFresh("another position");
    machine.state.MachineClosed = false;
    pictures.RedrawRotor(3);
    expectFresh("machine opened");
    machine.state.MachineClosed = true;
    pictures.RedrawRotor(3);
    expectFresh("machine closed again");
    // Another picture of the same rotor without the frame, then the window again.
    PictureElement other(QStringLiteral("other"), QRect(0, 0, kViewWidth, kViewHeight), false,
                         nullptr);
    pictures.DrawRotorOn(3, &other, false);
    pictures.RedrawRotor(3);
    expectFresh("after another picture of it");
    pictures.RotorMoved(3);
    expectFresh("moved to where it stands");
}

// The picture copies against a pixel-by-pixel reference, clipped on every side.
TEST(PictureCopies, MatchAPlainPixelByPixelCopy) {
    QImage argb(23, 17, QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            argb.setPixel(x, y, qRgba(x * 11, y * 13, x ^ y, 200));
    const QImage& src = argb;
    const QImage opaque = argb.convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(3, 4), QPoint(-5, -2), QPoint(12, 9), QPoint(-30, 0)}) {
        for (const QImage* source : {&src, &opaque}) {
            const QRect from(2, 1, 19, 15);
            QImage copied = MakePicture(20, 16, 0xFF808080u);
            QImage anded = MakePicture(20, 16, 0xFFF0F0F0u);
            QImage copyRef = copied, andRef = anded;
            CopyRect(copied, at.x(), at.y(), *source, from);
            AndRect(anded, at.x(), at.y(), *source, from);
            for (int y = 0; y < from.height(); ++y)
                for (int x = 0; x < from.width(); ++x) {
                    const QPoint d(at.x() + x, at.y() + y);
                    if (!copyRef.rect().contains(d)) continue;
                    const QRgb s = source->pixel(from.left() + x, from.top() + y) | 0xFF000000u;
                    copyRef.setPixel(d, s);
                    andRef.setPixel(d, andRef.pixel(d) & s);
                }
            EXPECT_EQ(copied, copyRef) << at.x() << "," << at.y();
            EXPECT_EQ(anded, andRef) << at.x() << "," << at.y();
        }
    }
    QImage filled = MakePicture(10, 10);
    FillRect(filled, QRect(-3, 4, 8, 20), 0x123456);
    EXPECT_EQ(filled.pixel(4, 9), 0xFF123456u);
    EXPECT_EQ(filled.pixel(5, 9), 0xFFFFFFFFu);
    EXPECT_EQ(filled.pixel(0, 3), 0xFFFFFFFFu);
    QImage stretched = MakePicture(8, 8);
    StretchRect(stretched, QRect(-2, 0, 8, 8), opaque, QRect(0, 0, 4, 4));
    EXPECT_EQ(stretched.pixel(0, 0), opaque.pixel(1, 0));
    EXPECT_EQ(stretched.pixel(5, 7), opaque.pixel(3, 3));
    EXPECT_EQ(stretched.pixel(6, 0), 0xFFFFFFFFu);
}

// Painting a picture over a region of many rectangles (an outline with holes, the cabinet
// round its elements), at the scale factors the window uses: inside the region every
// device pixel shows the picture's pixel at that place, outside nothing is touched.
TEST(PictureCopies, PaintedOverARegionARectangleAtATime) {
    QImage picture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x * 6, y * 8, 77));
    QRegion region(QRect(0, 0, 40, 30), QRegion::Ellipse);
    region -= QRegion(10, 8, 6, 9);
    region += QRegion(0, 0, 3, 30);
    ASSERT_GT(region.rectCount(), 10);
    for (const int scale : {1, 2}) {
        QImage device(40 * scale, 30 * scale, QImage::Format_RGB32);
        device.setDevicePixelRatio(scale);
        device.fill(0xFF000001u);
        {
            QPainter painter(&device);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            DrawPictureByRects(painter, region, picture);
        }
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x) {
                const QPoint at(x / scale, y / scale);
                const QRgb expected = region.contains(at) ? picture.pixel(at) : 0xFF000001u;
                ASSERT_EQ(device.pixel(x, y), expected)
                    << "scale " << scale << " at " << x << "," << y;
            }
    }
}

// A part shown without a copy must still behave like a copy of its own: the same pixels, the
// whole picture kept alive for it, and drawing on either side leaving the other alone.
TEST(PictureCopies, ASharedPartIsTheCopyItStandsFor) {
    QImage whole = MakePicture(40, 30);
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) whole.setPixel(x, y, qRgb(x * 6, y * 8, x ^ y));
    const QRect part(5, 7, 20, 13);
    const QImage expected = whole.copy(part);

    QImage shared = SharedPart(whole, part);
    EXPECT_EQ(shared, expected);
    EXPECT_EQ(shared.constBits(), whole.constBits() + 7 * whole.bytesPerLine() + 5 * 4)
        << "an opaque picture's part is not copied";
    whole = QImage();  // the part keeps the pixels it points at
    EXPECT_EQ(shared, expected);

    QImage source = expected.copy();
    QImage onTop = SharedPart(source, QRect(0, 0, 10, 10));
    const QImage kept = SharedPart(source, QRect(0, 0, 10, 10));
    CopyAll(onTop, 0, 0, MakePicture(3, 3, qRgb(1, 2, 3)));
    EXPECT_EQ(source, expected) << "drawing on the part drew on the picture";
    EXPECT_EQ(onTop.pixel(1, 1), qRgb(1, 2, 3));
    FillRect(source, source.rect(), qRgb(9, 9, 9));
    EXPECT_EQ(kept, expected.copy(0, 0, 10, 10)) << "drawing on the picture reached the part";

    // A part reaching past the picture, or one of a picture with alpha: a copy on white.
    const QImage past = SharedPart(expected, QRect(15, 5, 10, 10));
    EXPECT_EQ(past.size(), QSize(10, 10));
    EXPECT_EQ(past.pixel(2, 2), expected.pixel(17, 7));
    EXPECT_EQ(past.pixel(7, 2), 0xFFFFFFFFu);
    QImage alpha = expected.convertToFormat(QImage::Format_ARGB32);
    const QImage fromAlpha = SharedPart(alpha, QRect(1, 1, 4, 4));
    EXPECT_NE(fromAlpha.constBits(), alpha.constBits() + alpha.bytesPerLine() + 4);
    EXPECT_EQ(fromAlpha.pixel(0, 0) | 0xFF000000u, expected.pixel(1, 1));
}

// What an element shows: a picture handed to it is shared until drawn on, and a blanked
// element's surface, made when first wanted, has the blank colour at every size it is given.
TEST(PictureElementSurface, SharesWhatItIsShownAndBlanksWithItsColour) {
    PictureElement element(QStringLiteral("E"), QRect(0, 0, 12, 8), false, nullptr);
    const QImage picture = MakePicture(12, 8, qRgb(10, 20, 30));
    element.showPicture(picture);
    EXPECT_EQ(element.image().constBits(), picture.constBits());
    CopyAll(element.image(), 0, 0, MakePicture(2, 2, qRgb(200, 0, 0)));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(10, 20, 30)) << "drawing reached the shown picture";
    // A part of the element's size, from where it lies in a larger sheet.
    QImage sheet = MakePicture(30, 20);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) sheet.setPixel(x, y, qRgb(x * 8, y * 12, 7));
    element.showPart(sheet, QPoint(16, 9));
    EXPECT_EQ(element.image(), sheet.copy(16, 9, 12, 8));

    element.blank(qRgb(240, 230, 200));
    EXPECT_EQ(element.image().size(), QSize(12, 8));
    EXPECT_EQ(element.image(), MakePicture(12, 8, qRgb(240, 230, 200)));
    element.resizePicture(5, 4);
    EXPECT_EQ(element.image(), MakePicture(5, 4, qRgb(240, 230, 200)));
    PictureElement plain(QStringLiteral("P"), QRect(0, 0, 3, 3), false, nullptr);
    EXPECT_EQ(plain.image(), MakePicture(3, 3)) << "white unless told otherwise";
}

TEST(ModuleSwitchBlend, MixesAt145Of255RoundingHalvesToEven) {
    struct Row {
        int s, d, out;
    };
    for (const Row r : {Row{255, 0, 145}, Row{0, 255, 110}, Row{0, 0, 0}, Row{255, 255, 255},
                        Row{100, 100, 100}, Row{200, 50, 135}}) {
        QImage target = MakePicture(1, 1, qRgb(r.d, r.d, r.d));
        ModuleSwitch::Blend(target, MakePicture(1, 1, qRgb(r.s, 0, r.d)));
        EXPECT_EQ(qRed(target.pixel(0, 0)), r.out) << r.s << " over " << r.d;
        EXPECT_EQ(qGreen(target.pixel(0, 0)), static_cast<int>(std::nearbyint(110.0 / 255 * r.d)));
        EXPECT_EQ(qBlue(target.pixel(0, 0)), r.d);
    }
}

TEST(ControlBoxZones, ThreeButtonsStacked) {
    struct Row {
        int x, y, zone;
    };
    for (const Row r : {Row{16, 11, 1}, Row{29, 24, 1}, Row{15, 15, 0}, Row{30, 15, 0},
                        Row{20, 25, 0}, Row{20, 31, 2}, Row{20, 44, 2}, Row{20, 50, 0},
                        Row{20, 56, 3}, Row{20, 74, 3}, Row{20, 75, 0}})
        EXPECT_EQ(static_cast<int>(ZoneAt(cabinet_zones::kControlBox, r.x, r.y)
                                       .value_or(cabinet_zones::ControlButton::None)),
                  r.zone)
            << r.x << "," << r.y;
}

TEST(KeyMapping, ScanCodesGiveTheUsKeyAtThatPlace) {
    // X11 scan codes of the letter block, row by row, against the machine's key codes.
    const int firstScan[4] = {0, 24, 38, 52};
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 11; ++col) {
            const uint16_t vk = tables::KeyCodeTable[row][col];
            if (vk != 0) {
                EXPECT_EQ(VirtualKeyFromScanCode(firstScan[row] + col - 1), vk) << row << col;
            }
        }
    EXPECT_EQ(VirtualKeyFromScanCode(65), 0x20);
    // Keys the machine lacks get distinct non-zero codes outside the machine's.
    const uint16_t shift = VirtualKeyFromScanCode(50), enter = VirtualKeyFromScanCode(36);
    EXPECT_NE(shift, 0);
    EXPECT_NE(shift, enter);
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 11; ++col) EXPECT_NE(tables::KeyCodeTable[row][col], shift);
}

TEST(KeyMapping, KeySymbolsStandInWithoutAScanCode) {
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Q), 0x51);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_BracketLeft), 0xDB);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Semicolon), 0xBA);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Comma), 0xBC);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Period), 0xBE);
    EXPECT_EQ(VirtualKeyFromQtKey(Qt::Key_Space), 0x20);
    EXPECT_NE(VirtualKeyFromQtKey(Qt::Key_Shift), 0);
    EXPECT_NE(VirtualKeyFromQtKey(Qt::Key_Shift), VirtualKeyFromQtKey(Qt::Key_Control));
    QKeyEvent noScan(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier);
    EXPECT_EQ(VirtualKeyOf(noScan), 0x57);
}

}  // namespace
}  // namespace q417
