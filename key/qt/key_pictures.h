#pragma once
#include <QImage>
#include <cstdint>

#include "core/settings.h"
#include "key/key_table.h"

namespace q417 {

// The pictures of the work table, drawn from the sheets of the key-setting box.

inline constexpr QRgb kPaperYellow = 0xFFFFFFCC;
inline constexpr int kFaceSize = 191;
inline constexpr int kCoreSize = 90;

// The key table as a paper strip (225 x 130): one glyph per entry, five rows, the columns
// in two groups of five, the torn edge on the right. An entry without a glyph (0, a side
// other than 1 or 2, a value above 30) leaves its cell blank.
void DrawKeyTable(QImage& picture, const KeyTable& table, int columns);
// The names of the strip's five rows, printed in the gap between its two halves.
void DrawKeyTableLabels(QImage& picture);
// Where the name of row 1..5 (body, ring setting, core, side, core setting) is printed.
QRect KeyTableLabelPlace(int row);

// One core of the tray (90 x 90): the core of the loaded series with its letter in white.
void DrawCorePicture(QImage& picture, int core, RotorSeries serie);

// The angle on the screen (degrees, y downwards) of value 1..30 on the face's dials: value 1
// at the top, the values going round counter-clockwise by 12 degrees.
double FaceAngle(int value);

// The face view of a body without a core: its ring and the ring-setting mark.
void DrawFaceEmpty(QImage& face, int ring_setting);

// The face view with a core in: the core's label and, on its first side, its series label,
// both turned with the core; the core-setting and ring-setting marks.
struct FaceCore {
    int core = 1;
    int side = 1;
    int setting = 1;
    RotorSeries serie = RotorSeries::Series6K;
};
void DrawFaceWithCore(QImage& face, int ring_setting, const FaceCore& core);

}  // namespace q417
