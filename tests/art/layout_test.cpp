#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "tools/artgen/art.h"

// The generator paints every caption and screw head of the machine; these checks read where
// they landed and find a screw driven through a caption or two captions printed into each other.
namespace artgen {
namespace {

double Area(const QPolygonF& poly) {
    double twice = 0;
    for (int i = 0; i < poly.size(); ++i) {
        const QPointF a = poly[i], b = poly[(i + 1) % poly.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

// Touching edges are no fault; a shared area of more than a quarter pixel is.
bool Overlap(const Placed& a, const Placed& b) {
    return Area(a.shape.intersected(b.shape)) > 0.25;
}

QString Describe(const Placed& p) {
    const QRectF r = p.shape.boundingRect();
    return QStringLiteral("%1 %2 at %3,%4 %5x%6")
        .arg(p.picture, p.screw ? QStringLiteral("screw") : '"' + p.text + '"')
        .arg(r.x(), 0, 'f', 1)
        .arg(r.y(), 0, 'f', 1)
        .arg(r.width(), 0, 'f', 1)
        .arg(r.height(), 0, 'f', 1);
}

class ArtLayout : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        LoadFonts();
        ClearLayout();
        Sheets sheets;
        AddAll(sheets);
        placed_ = new std::vector<Placed>(Layout());
    }
    static void TearDownTestSuite() {
        delete placed_;
        placed_ = nullptr;
    }
    static std::vector<Placed>* placed_;
};

std::vector<Placed>* ArtLayout::placed_ = nullptr;

TEST_F(ArtLayout, EveryCaptionedPictureIsRecorded) {
    QStringList pictures;
    for (const Placed& p : *placed_)
        if (!pictures.contains(p.picture)) pictures << p.picture;
    for (const char* name : {"cabinet", "PICT6", "PICT11", "MODEWHEEL", "BCS", "LANG", "ENTRY",
                             "REFLECTOR", "FILLER", "PUSKSTOP", "ONTABLE"})
        EXPECT_TRUE(pictures.contains(QLatin1String(name))) << name;
    // Captions have ink and lie inside the pictures they were painted on.
    for (const Placed& p : *placed_) {
        if (p.screw) continue;
        EXPECT_GT(Area(p.shape), 4.0) << qPrintable(Describe(p));
    }
}

TEST_F(ArtLayout, NoScrewOverACaptionAndNoCaptionOverAnother) {
    const std::vector<Placed>& all = *placed_;
    int checked = 0;
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            const Placed &a = all[i], &b = all[j];
            if (a.picture != b.picture || (a.screw && b.screw)) continue;
            ++checked;
            EXPECT_FALSE(Overlap(a, b))
                << qPrintable(Describe(a)) << " overlaps " << qPrintable(Describe(b));
        }
    EXPECT_GT(checked, 100);
}

// Captions side by side keep a gap of a few pixels, so that they read as separate words.
TEST_F(ArtLayout, CaptionsSideBySideKeepAGap) {
    const std::vector<Placed>& all = *placed_;
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j) {
            const Placed &a = all[i], &b = all[j];
            if (a.picture != b.picture || a.screw || b.screw) continue;
            const QRectF ra = a.shape.boundingRect(), rb = b.shape.boundingRect();
            // Only upright captions on one line: the turned ring letters have their own rule.
            if (a.picture == QLatin1String("ONTABLE")) continue;
            if (ra.top() >= rb.bottom() || rb.top() >= ra.bottom()) continue;
            const double gap = std::max(rb.left() - ra.right(), ra.left() - rb.right());
            EXPECT_GE(gap, 2.5) << qPrintable(Describe(a)) << " crowds " << qPrintable(Describe(b));
        }
}

}  // namespace
}  // namespace artgen
