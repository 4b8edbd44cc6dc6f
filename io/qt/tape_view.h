#pragma once
#include <QImage>
#include <QString>

#include "app/machine_session.h"

class QPoint;

namespace q417 {

class PictureElement;
class ViewHost;

// The printer's pictures: the paper tape (one 14-pixel cell per character, newest at the
// right), the punched tape (one 7-pixel column per character) and the group counter. The
// punched tape shows while the printing lever is up. A click on the paper tape feeds a blank
// cell; the right button on either tape offers to save it as a picture.
class TapeView : public SessionEvents {
public:
    TapeView(ViewHost& host, PictureElement& paper, PictureElement& punched,
             PictureElement& counter);

    // Both tapes blank, the counter body drawn.
    void Prepare();

    void TapeAdvanced() override;
    void GlyphPrinted(int band, int32_t contact, Model machine) override;
    void Punched(int32_t contact) override;
    void CounterChanged(int groupCount, int groupPosition) override;
    void TapesBlanked() override;

    void SettingsChanged() override;

    // The paper tape (or the punched tape) as the window shows it, at the window's scale.
    QImage tapePicture(bool punched) const;
    // Writes that picture as a PNG file; a failure is reported. True when written.
    bool saveTapePicture(bool punched, const QString& path);

    static constexpr QRgb kTapeColour = 0xFFFFFFCC;  // RGB(255, 255, 204)

private:
    void Bind();
    void OfferTapePicture(bool punched, QPoint at);

    ViewHost& host_;
    PictureElement& paper_;
    PictureElement& punched_;
    PictureElement& counter_;
};

// Moves a picture `step` pixels to the left and blanks the column freed at the right.
void ScrollLeft(QImage& image, int step, QRgb fill);

}  // namespace q417
