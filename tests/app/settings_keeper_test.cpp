#include <gtest/gtest.h>

#include "app/settings_keeper.h"
#include "tests/support/record_bytes.h"
#include "tests/support/temp_dir.h"

namespace q417 {
namespace {

using testing::FileBytes;
using testing::TempDir;
using testing::WriteFileBytes;

// Two windows started on one settings file and closed one after the other: each close writes
// only what its own run changed, so both changes stay, and the bytes are those of one save of
// the merged settings. The keeper must remember what it read at start, not at close.
TEST(SettingsKeeper, TwoRunsOnOneFileKeepEachOthersChangesByteForByte) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    MachineSettings first;
    first.Machine = Model::Q417_3MR;
    first.Serie = RotorSeries::Series3K;
    ASSERT_TRUE(SaveSettingsFile(path, first, FontRecord{}).saved);

    SettingsKeeper a(path), b(path);
    MachineSettings sa, sb;
    std::string error;
    ASSERT_TRUE(a.ReadAtStart(sa, error)) << error;
    ASSERT_TRUE(b.ReadAtStart(sb, error)) << error;
    EXPECT_EQ(sa.Machine, Model::Q417_3MR);
    EXPECT_EQ(sb.Serie, RotorSeries::Series3K);

    sa.Serie = RotorSeries::Series6K;  // run A changes the series
    sb.Tech = 77;  // run B counts key presses and changes the font
    b.Font().Name = "DejaVu Sans";
    b.Font().Size = 11;
    const SaveOutcome closed_b = b.Save(sb);
    ASSERT_TRUE(closed_b.saved) << closed_b.report;
    EXPECT_TRUE(closed_b.report.empty());
    ASSERT_TRUE(a.Save(sa).saved);

    MachineSettings merged = first;
    merged.Serie = RotorSeries::Series6K;
    merged.Tech = 77;
    FontRecord font;
    font.Name = "DejaVu Sans";
    font.Size = 11;
    const std::string expected = dir.File("expected.INI");
    ASSERT_TRUE(SaveSettingsFile(expected, first, FontRecord{}).saved);
    ASSERT_TRUE(SaveSettingsFile(expected, merged, font).saved);
    EXPECT_EQ(FileBytes(path), FileBytes(expected));

    // The next start reads both changes back.
    SettingsKeeper next(path);
    MachineSettings sn;
    ASSERT_TRUE(next.ReadAtStart(sn, error));
    EXPECT_EQ(sn.Serie, RotorSeries::Series6K);
    EXPECT_EQ(sn.Tech, 77);
    EXPECT_EQ(next.Font(), font);
}

// A damaged file is said at start and read as far as it goes; without a home folder the
// settings are the defaults, nothing is written and nothing claims to be.
TEST(SettingsKeeper, DamagedFileAndNoPlaceAreNeverReportedAsSuccess) {
    TempDir dir;
    const std::string path = dir.File("Q417.INI");
    WriteFileBytes(path, std::vector<uint8_t>(200, 0x55));
    SettingsKeeper damaged(path);
    MachineSettings s;
    s.Machine = Model::Q417M;
    std::string error;
    EXPECT_FALSE(damaged.ReadAtStart(s, error));
    EXPECT_NE(error.find("Q417.INI"), std::string::npos) << error;
    EXPECT_EQ(s.Machine, MachineSettings{}.Machine);

    SettingsKeeper nowhere("");
    EXPECT_FALSE(nowhere.HasPlace());
    s.Serie = RotorSeries::Series3K;
    error.clear();
    EXPECT_TRUE(nowhere.ReadAtStart(s, error));
    EXPECT_EQ(s.Serie, MachineSettings{}.Serie);
    const SaveOutcome out = nowhere.Save(s);
    EXPECT_FALSE(out.saved);
    EXPECT_FALSE(nowhere.KeepLanguage(InterfaceLanguage::German, error));
    EXPECT_EQ(nowhere.Language(), InterfaceLanguage::Automatic);

    SettingsKeeper kept(dir.File("other.INI"));
    ASSERT_TRUE(kept.KeepLanguage(InterfaceLanguage::German, error)) << error;
    EXPECT_EQ(SettingsKeeper(dir.File("other.INI")).Language(), InterfaceLanguage::German);
}

}  // namespace
}  // namespace q417
