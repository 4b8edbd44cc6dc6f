#pragma once
#include <QImage>

#include "io/printer.h"

namespace q417 {

class PictureElement;

// The printer's pictures: the paper tape (one 14-pixel cell per character, newest at the
// right), the punched tape (one 7-pixel column per character) and the group counter.
class TapeView : public PrinterListener {
public:
    TapeView(PictureElement& paper, PictureElement& punched, PictureElement& counter);

    // Both tapes blank, the counter body drawn.
    void Prepare();

    void TapeAdvanced() override;
    void GlyphPrinted(int band, int32_t contact, Model machine) override;
    void Punched(int32_t contact) override;
    void CounterChanged(int groupCount, int groupPosition) override;
    void TapesBlanked() override;

    static constexpr QRgb kTapeColour = 0xFFFFFFCC;  // RGB(255, 255, 204)

private:
    PictureElement& paper_;
    PictureElement& punched_;
    PictureElement& counter_;
};

// Moves a picture `step` pixels to the left and blanks the column freed at the right.
void ScrollLeft(QImage& image, int step, QRgb fill);

}  // namespace q417
