// The sheets the program draws from come decoded at build time; they must be exactly what
// decoding the embedded PNG files gives.
#include <gtest/gtest.h>

#include <QDir>

#include "ui/sprites.h"

namespace q417 {
namespace {

TEST(PackedSprites, EverySheetIsItsDecodedPng) {
    const QStringList files = QDir(QStringLiteral(":/resources")).entryList({"*.png"}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        const QString name = file.chopped(4);
        const QImage& drawn = Sprites::Get(name);
        const QImage decoded = Sprites::Decoded(name);
        ASSERT_FALSE(decoded.isNull()) << file.toStdString();
        EXPECT_EQ(drawn.format(), decoded.format()) << file.toStdString();
        EXPECT_EQ(drawn.size(), decoded.size()) << file.toStdString();
        EXPECT_TRUE(drawn == decoded) << file.toStdString() << ": pixels differ";
        // Frames are copied out of a sheet by rows: the rows must lie where QImage says.
        EXPECT_EQ(drawn.bytesPerLine(), decoded.bytesPerLine()) << file.toStdString();
    }
    EXPECT_TRUE(Sprites::Get(QStringLiteral("no such sheet")).isNull());
}

}  // namespace
}  // namespace q417
