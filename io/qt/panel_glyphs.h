#pragma once
#include <QIcon>

namespace q417 {

// The small glyphs of the panels' buttons, drawn in a few strokes.
enum class Glyph { Load, Save, Font, Clear, Close, About };
QIcon PanelGlyph(Glyph glyph);

}  // namespace q417
