#pragma once
#include <QColor>
#include <QFont>
#include <QPalette>

#include "app/font_record.h"

namespace q417 {

// A stored font as the text boxes show it: the font and the text colour.
struct QtTextFont {
    QFont font;
    QColor color;
};

// Sizes beyond this are kept in the record but not shown, so a damaged file cannot ask the
// text boxes for glyphs of many thousand points.
inline constexpr int kLargestShownPointSize = 400;

// The Qt font and colour of a stored font. A system-colour reference takes the matching colour
// of the palette; fixed pitch becomes a fixed-pitch hint. A size of 0 (or one too large to
// show) leaves the point size of QFont's default.
QtTextFont textFontFromRecord(const FontRecord& record, const QPalette& palette = QPalette());

// The face the panels use where a stored face is not installed: Liberation Sans, drawn to the
// metrics of the Arial-like sans serif the machine's panels were laid out with, or DejaVu Sans
// where Liberation is missing.
QString fallbackFace();

// The font as the text boxes show it. A stored face that is not installed (the default record
// names "MS Sans Serif", which Linux desktops lack) becomes the fallback face, sized in pixels
// as its point size reads at the 96 dots per inch the panels were laid out for (8 points = 11
// pixels), whatever the screen reports, so the texts keep their proportion to the panel.
QFont shownTextFont(const QFont& stored);

// The record of a Qt font and colour. Every field whose Qt value is the one `stored` maps to
// keeps its stored value, so the character set, the pitch, a system-colour reference and any
// other detail Qt cannot hold survive a round trip byte for byte; only what was changed in Qt
// (face, size, style, colour, fixed pitch) is taken from Qt.
FontRecord recordFromTextFont(const QFont& font, const QColor& color, const FontRecord& stored,
                              const QPalette& palette = QPalette());

}  // namespace q417
