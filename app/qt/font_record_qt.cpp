#include "app/qt/font_record_qt.h"

#include <QFontDatabase>
#include <array>
#include <cmath>

namespace q417 {

namespace {

// The desktop's system colours by index, as the nearest roles of a Qt palette.
constexpr std::array<QPalette::ColorRole, 25> kSystemColorRoles = {
    QPalette::Button,           // 0 scroll bar
    QPalette::Window,           // 1 desktop
    QPalette::Highlight,        // 2 active caption
    QPalette::Mid,              // 3 inactive caption
    QPalette::Window,           // 4 menu
    QPalette::Base,             // 5 window background
    QPalette::Shadow,           // 6 window frame
    QPalette::WindowText,       // 7 menu text
    QPalette::Text,             // 8 window text
    QPalette::HighlightedText,  // 9 caption text
    QPalette::Button,           // 10 active border
    QPalette::Button,           // 11 inactive border
    QPalette::Mid,              // 12 application workspace
    QPalette::Highlight,        // 13 highlight
    QPalette::HighlightedText,  // 14 highlighted text
    QPalette::Button,           // 15 button face
    QPalette::Dark,             // 16 button shadow
    QPalette::PlaceholderText,  // 17 grey text
    QPalette::ButtonText,       // 18 button text
    QPalette::Text,             // 19 inactive caption text
    QPalette::Light,            // 20 button highlight
    QPalette::Shadow,           // 21 3-D dark shadow
    QPalette::Midlight,         // 22 3-D light
    QPalette::ToolTipText,      // 23 tool-tip text
    QPalette::ToolTipBase,      // 24 tool-tip background
};

QColor ColorOf(uint32_t stored, const QPalette& palette) {
    if (stored & kSystemColorFlag) {
        const uint32_t index = stored & 0xFFu;
        return palette.color(index < kSystemColorRoles.size() ? kSystemColorRoles[index]
                                                              : QPalette::Text);
    }
    return QColor(int(stored & 0xFF), int(stored >> 8 & 0xFF), int(stored >> 16 & 0xFF));
}

// Face names are stored in code page 1251: ASCII below 0x80, the Cyrillic alphabet from 0xC0.
QString NameOf(const std::string& bytes) {
    QString name;
    for (char c : bytes) {
        const auto b = uint8_t(c);
        if (b >= 0xC0)
            name += QChar(char16_t(0x0410 + (b - 0xC0)));
        else if (b == 0xA8)
            name += QChar(char16_t(0x0401));
        else if (b == 0xB8)
            name += QChar(char16_t(0x0451));
        else
            name += QChar(char16_t(b));
    }
    return name;
}

std::string BytesOf(const QString& name) {
    std::string bytes;
    for (QChar q : name) {
        const char16_t u = q.unicode();
        if (u >= 0x0410 && u <= 0x044F)
            bytes += char(0xC0 + (u - 0x0410));
        else if (u == 0x0401)
            bytes += char(0xA8);
        else if (u == 0x0451)
            bytes += char(0xB8);
        else
            bytes += u < 0x100 && u != 0 ? char(u) : '?';
    }
    return bytes;
}

uint16_t PointSizeOf(const QFont& font) {
    if (font.pointSize() > 0) return uint16_t(font.pointSize());
    // A font sized in pixels: points at the 96 dots per inch the machine was laid out for.
    return uint16_t(std::lround(font.pixelSize() * 72.0 / 96.0));
}

uint8_t StyleBit(bool now, bool before, uint8_t stored, uint8_t bit) {
    if (now == before) return stored & bit;
    return now ? bit : 0;
}

}  // namespace

QString fallbackFace() {
    const QStringList installed = QFontDatabase::families();
    for (const char* face : {"Liberation Sans", "DejaVu Sans"})
        if (installed.contains(QLatin1String(face), Qt::CaseInsensitive))
            return QString::fromLatin1(face);
    return QFont().defaultFamily();
}

QFont shownTextFont(const QFont& stored) {
    if (QFontDatabase::families().contains(stored.family(), Qt::CaseInsensitive)) return stored;
    QFont shown = stored;
    shown.setFamily(fallbackFace());
    if (stored.pointSize() > 0)
        shown.setPixelSize(int(std::lround(stored.pointSize() * 96.0 / 72.0)));
    shown.setHintingPreference(QFont::PreferFullHinting);
    return shown;
}

QtTextFont textFontFromRecord(const FontRecord& record, const QPalette& palette) {
    QtTextFont shown;
    shown.font.setFamily(NameOf(record.Name));
    if (record.Size >= 1 && record.Size <= kLargestShownPointSize)
        shown.font.setPointSize(record.Size);
    shown.font.setBold(record.Style & kFontBold);
    shown.font.setItalic(record.Style & kFontItalic);
    shown.font.setUnderline(record.Style & kFontUnderline);
    shown.font.setStrikeOut(record.Style & kFontStrikeOut);
    shown.font.setFixedPitch(record.Pitch == 2);
    shown.color = ColorOf(record.Color, palette);
    return shown;
}

FontRecord recordFromTextFont(const QFont& font, const QColor& color, const FontRecord& stored,
                              const QPalette& palette) {
    const QtTextFont before = textFontFromRecord(stored, palette);
    const QFont& b = before.font;
    FontRecord record = stored;
    if (font.family() != b.family()) record.Name = BytesOf(font.family());
    if (PointSizeOf(font) != PointSizeOf(b)) record.Size = PointSizeOf(font);
    if (font.fixedPitch() != b.fixedPitch()) record.Pitch = font.fixedPitch() ? 2 : 0;
    if (color.rgb() != before.color.rgb())
        record.Color =
            uint32_t(color.red()) | uint32_t(color.green()) << 8 | uint32_t(color.blue()) << 16;
    const uint8_t known = kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut;
    record.Style =
        uint8_t((stored.Style & ~known) | StyleBit(font.bold(), b.bold(), stored.Style, kFontBold) |
                StyleBit(font.italic(), b.italic(), stored.Style, kFontItalic) |
                StyleBit(font.underline(), b.underline(), stored.Style, kFontUnderline) |
                StyleBit(font.strikeOut(), b.strikeOut(), stored.Style, kFontStrikeOut));
    return record;
}

}  // namespace q417
