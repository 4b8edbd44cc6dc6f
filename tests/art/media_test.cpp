#include <gtest/gtest.h>

#include <QtEndian>

#include "app/qt/jpeg_decode.h"
#include "ui/sprites.h"

namespace q417 {
namespace {

struct WaveFormat {
    const char* file;
    quint32 rate;
    quint32 samples;
};

class Sounds : public ::testing::TestWithParam<WaveFormat> {};

quint32 U32(const QByteArray& b, int at) {
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 U16(const QByteArray& b, int at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

TEST_P(Sounds, PcmMonoEightBitOfExactLength) {
    const WaveFormat w = GetParam();
    const QByteArray b = Sprites::Bytes(w.file);
    ASSERT_GE(b.size(), 44) << w.file;
    EXPECT_EQ(b.mid(0, 4), "RIFF");
    EXPECT_EQ(U32(b, 4), quint32(b.size() - 8));
    EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(U32(b, 16), 16u);
    EXPECT_EQ(U16(b, 20), 1u);  // PCM
    EXPECT_EQ(U16(b, 22), 1u);  // mono
    EXPECT_EQ(U32(b, 24), w.rate);
    EXPECT_EQ(U32(b, 28), w.rate);  // bytes per second
    EXPECT_EQ(U16(b, 32), 1u);      // block size
    EXPECT_EQ(U16(b, 34), 8u);      // bits per sample
    EXPECT_EQ(b.mid(36, 4), "data");
    EXPECT_EQ(U32(b, 40), w.samples);
    EXPECT_EQ(b.size(), 44 + static_cast<int>(w.samples));
    // A sound, not silence, that ends at rest so it does not snap when cut off.
    const auto* s = reinterpret_cast<const unsigned char*>(b.constData() + 44);
    int loud = 0;
    for (quint32 i = 0; i < w.samples; ++i) loud = std::max(loud, std::abs(s[i] - 128));
    EXPECT_GT(loud, 80);
    EXPECT_LE(std::abs(s[w.samples - 1] - 128), 2);
}

INSTANTIATE_TEST_SUITE_P(Both, Sounds,
                         ::testing::Values(WaveFormat{"SOUND1.wav", 22050, 332},
                                           WaveFormat{"SOUND2.wav", 44100, 1936}),
                         [](const auto& info) {
                             return std::string(info.param.rate == 22050 ? "Step" : "Click");
                         });

TEST(Logo, DecodesWithLibjpegAtItsSize) {
    const QImage logo = DecodeJpeg(Sprites::Bytes("logo.jpg"));
    ASSERT_FALSE(logo.isNull());
    EXPECT_EQ(logo.size(), QSize(109, 90));
}

TEST(Logo, DamagedDataGivesNoPicture) {
    const QByteArray good = Sprites::Bytes("logo.jpg");
    ASSERT_FALSE(good.isEmpty());
    QByteArray garbled = good;
    for (int i = 200; i < garbled.size() - 2; i += 7)
        garbled[i] = static_cast<char>(garbled[i] ^ 0x5A);
    const QByteArray cases[] = {QByteArray(), QByteArray("not a picture at all"), good.left(100),
                                good.left(good.size() / 2), garbled};
    for (const QByteArray& data : cases) EXPECT_TRUE(DecodeJpeg(data).isNull()) << data.size();
}

}  // namespace
}  // namespace q417
