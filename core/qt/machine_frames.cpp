#include "core/qt/machine_frames.h"

#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/blit.h"

namespace q417 {

namespace {

constexpr int kPlateWidth = 78;  // the frames of a plate lie side by side in its sheet

void ShowPlateFrame(PictureElement& element, const char* sheet, int frame) {
    element.showPart(Sprites::Get(sheet), QPoint(kPlateWidth * (frame - 1), 0));
}

}  // namespace

void ShowEntryFrame(PictureElement& entry, int frame) {
    ShowPlateFrame(entry, "entry", frame);
}

void ShowReflectorFrame(PictureElement& reflector, int frame) {
    ShowPlateFrame(reflector, "reflector", frame);
}

void ShowStepper(PictureElement& stepper, StepperState state) {
    if (state != StepperState::Open) {
        stepper.setVisible(false);
        return;
    }
    QImage& image = stepper.image();
    const QImage& body = Sprites::Get("steper");
    StretchRect(image, image.rect(), body, body.rect());
    CopyAll(image, 0, 0, Sprites::Get("lineup"));
    CopyAll(image, 0, 89, Sprites::Get("shaft"));
    stepper.setVisible(true);
    stepper.update();
}

void ShowCover(PictureElement& cover, bool lowered) {
    QImage& image = cover.image();
    CopyAll(image, 0, 0, Sprites::Get("filler"));
    if (lowered)
        CopyAll(image, -10, 65, Sprites::Get("linedn"));
    else
        CopyAll(image, -10, 0, Sprites::Get("lineup"));
    cover.update();
}

void DrawPlug(PictureElement& plug, AlphabetPlug plugPosition) {
    plug.showPart(Sprites::Get("ruslat"),
                  QPoint(0, plugPosition == AlphabetPlug::Russian ? 0 : 38));
}

}  // namespace q417
