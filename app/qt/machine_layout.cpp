#include "app/qt/machine_layout.h"

#include "ui/picture_element.h"
#include "ui/sprites.h"

namespace q417 {

namespace {

PictureElement* Create(const ElementPlace& place, const QString& name, int x, QWidget& window) {
    const QRect rect(x, place.y, place.width, place.height);
    auto* element = new PictureElement(name, rect, place.enabled, &window);
    element->setHintSpot(place.hint);
    // Fixed pieces cut from a larger strip show its top-left part, where it lies in the sheet:
    // an element drawn on later gets its own copy.
    if (place.artwork) element->showPart(Sprites::Get(name));
    element->setVisible(place.visible);
    return element;
}

}  // namespace

MachinePictures::MachinePictures(QWidget& window) {
    for (const ElementPlace& place : kMachineElements) {
        if (place.picture == Picture::Rotor1) {
            for (int slot = 1; slot <= 10; ++slot)
                elements_[static_cast<std::size_t>(RotorWindow(slot))] = Create(
                    place, QStringLiteral("R%1").arg(slot), place.x + 33 * (slot - 1), window);
        } else {
            elements_[static_cast<std::size_t>(place.picture)] =
                Create(place, QLatin1String(place.name), place.x, window);
        }
    }
}

bool MachinePictures::Find(const QWidget* widget, Picture& found) const {
    for (std::size_t i = 0; i < kPictureCount; ++i)
        if (elements_[i] == widget) {
            found = static_cast<Picture>(i);
            return true;
        }
    return false;
}

}  // namespace q417
