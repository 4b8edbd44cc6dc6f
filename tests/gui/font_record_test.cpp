#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>

#include "app/qt/font_record_qt.h"
#include "app/qt/settings_location.h"

namespace q417 {
namespace {

QPalette TestPalette() {
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(200, 201, 202));
    return palette;
}

TEST(FontRecordQt, RoundTripChangesNoByte) {
    const std::vector<FontRecord> records = {
        FontRecord{},
        {204, 0x00336699u, 2, 12, kFontBold | kFontItalic, "Courier New"},
        {0, 0x8000000Fu, 1, 0, 0xF0 | kFontUnderline | kFontStrikeOut, "Arial"},
        {255, 0x1FFFFFFFu, 7, 65535, 0, "\xC0\xE1\xE2 \xA8\xB8"},  // Cyrillic face name
        {1, 0x800000FFu, 0, 9, 0, ""},
    };
    for (const FontRecord& r : records) {
        SCOPED_TRACE(r.Name);
        const QtTextFont shown = textFontFromRecord(r, TestPalette());
        const FontRecord back = recordFromTextFont(shown.font, shown.color, r, TestPalette());
        EXPECT_EQ(EncodeFontRecord(back), EncodeFontRecord(r));
    }
}

TEST(FontRecordQt, ShowsTheStoredFont) {
    const FontRecord stored{1, 0x00336699u, 2, 12, kFontBold | kFontStrikeOut, "Courier New"};
    const QtTextFont shown = textFontFromRecord(stored, TestPalette());
    EXPECT_EQ(shown.font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(shown.font.pointSize(), 12);
    EXPECT_TRUE(shown.font.bold());
    EXPECT_FALSE(shown.font.italic());
    EXPECT_TRUE(shown.font.strikeOut());
    EXPECT_TRUE(shown.font.fixedPitch());
    EXPECT_EQ(shown.color, QColor(0x99, 0x66, 0x33));
    // The laid-out font: the system's window-text colour.
    const QtTextFont laid_out = textFontFromRecord(FontRecord{}, TestPalette());
    EXPECT_EQ(laid_out.font.family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(laid_out.font.pointSize(), 8);
    EXPECT_EQ(laid_out.color, QColor(1, 2, 3));
}

TEST(FontRecordQt, ChangesMadeInQtAreStoredAndTheRestKept) {
    const FontRecord stored{204, kWindowTextColor, 1, 8, 0x40, "MS Sans Serif"};
    QtTextFont shown = textFontFromRecord(stored, TestPalette());
    shown.font.setFamily(QStringLiteral("\u0410rial"));
    shown.font.setPointSize(14);
    shown.font.setItalic(true);
    const FontRecord changed =
        recordFromTextFont(shown.font, QColor(0x10, 0x20, 0x30), stored, TestPalette());
    EXPECT_EQ(changed.Name, "\xC0rial");
    EXPECT_EQ(changed.Size, 14);
    EXPECT_EQ(changed.Style, 0x40 | kFontItalic);
    EXPECT_EQ(changed.Color, 0x00302010u);
    EXPECT_EQ(changed.Charset, 204);
    EXPECT_EQ(changed.Pitch, 1);
}

// The laid-out "MS Sans Serif" is not on a Linux desktop: the boxes show an installed face of
// the same build at the size 8 points had on the panels, and the record stays as it was.
TEST(FontRecordQt, MissingFaceShownInTheFallbackAtPanelSize) {
    const QtTextFont laid_out = textFontFromRecord(FontRecord{}, TestPalette());
    const QFont shown = shownTextFont(laid_out.font);
    EXPECT_EQ(shown.family(), fallbackFace());
    EXPECT_TRUE(QFontDatabase::families().contains(shown.family()));
    EXPECT_EQ(shown.pixelSize(), 11);
    EXPECT_GE(QFontInfo(shown).pixelSize(), 11);
    FontRecord bold_big{};
    bold_big.Size = 12;
    bold_big.Style = kFontBold;
    const QFont big = shownTextFont(textFontFromRecord(bold_big, TestPalette()).font);
    EXPECT_EQ(big.pixelSize(), 16);
    EXPECT_TRUE(big.bold());
    // An installed face is shown as stored, in points.
    QFont installed(fallbackFace());
    installed.setPointSize(10);
    EXPECT_EQ(shownTextFont(installed), installed);
    // Confirming the font dialog unchanged stores the face actually shown, at 8 points.
    const FontRecord confirmed =
        recordFromTextFont(shown, laid_out.color, FontRecord{}, TestPalette());
    EXPECT_EQ(QString::fromStdString(confirmed.Name), fallbackFace());
    EXPECT_EQ(confirmed.Size, 8);
}

TEST(SettingsLocation, BesideTheProgramUnlessItCannotBeWritten) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString program = temp.filePath(QStringLiteral("bin"));
    const QString user = temp.filePath(QStringLiteral("config/q417"));
    QDir().mkpath(program);
    EXPECT_EQ(SettingsFilePathIn(program, user), program + QStringLiteral("/Q417.INI"));

    // A folder that cannot take the file sends it to the user's configuration folder.
    const QString missing = temp.filePath(QStringLiteral("gone"));
    EXPECT_EQ(SettingsFilePathIn(missing, user), user + QStringLiteral("/Q417.INI"));
    EXPECT_TRUE(QDir(user).exists());
    // Without a home there is no user's folder: no place, rather than the working folder.
    EXPECT_EQ(SettingsFilePathIn(missing, QString()), QString());

    // An installed copy (desktop metadata beside bin/) keeps its settings with the user even
    // when its folder is writable, as it is for the superuser.
    const QString metainfo = temp.filePath(QStringLiteral("share/metainfo"));
    QDir().mkpath(metainfo);
    QFile(metainfo + QStringLiteral("/io.github.q417.Q417.metainfo.xml"))
        .open(QIODevice::WriteOnly);
    EXPECT_EQ(SettingsFilePathIn(program, user), user + QStringLiteral("/Q417.INI"));
    QDir(temp.filePath(QStringLiteral("share"))).removeRecursively();

    // A read-only folder (the superuser writes anywhere, so only others can check this).
    if (::geteuid() == 0) return;
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    const QFile::Permissions writable = readOnly | QFile::WriteOwner;
    QFile::setPermissions(program, readOnly);
    EXPECT_EQ(SettingsFilePathIn(program, user), user + QStringLiteral("/Q417.INI"));
    QFile::setPermissions(program, writable);
    QFile(program + QStringLiteral("/Q417.INI")).open(QIODevice::WriteOnly);
    QFile::setPermissions(program, readOnly);
    EXPECT_EQ(SettingsFilePathIn(program, user), program + QStringLiteral("/Q417.INI"));
    QFile::setPermissions(program, writable);
}

}  // namespace
}  // namespace q417
