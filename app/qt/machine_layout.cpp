#include "app/qt/machine_layout.h"

#include "app/qt/picture_element.h"
#include "app/qt/sprites.h"

namespace q417 {

bool ClearsWheelSlot(const QString& element) {
    // Rotor windows choose their own slot; the control box leaves the choice alone.
    return !(element.size() >= 2 && element[0] == 'R' && element[1].isDigit()) &&
           element != QLatin1String("Image6");
}

namespace {

PictureElement* Create(const ElementPlace& place, const QString& name, int x, QWidget* window) {
    const QRect rect(x, place.y, place.width, place.height);
    auto* element = new PictureElement(name, rect, place.enabled, window);
    // Fixed pieces cut from a larger strip show its top-left part, where it lies in the sheet:
    // an element drawn on later gets its own copy.
    if (place.artwork) element->showPart(Sprites::Get(name));
    element->setVisible(place.visible);
    return element;
}

}  // namespace

QHash<QString, PictureElement*> CreateMachineElements(QWidget* window) {
    QHash<QString, PictureElement*> elements;
    for (const ElementPlace& place : kMachineElements) {
        if (QLatin1String(place.name) == QLatin1String("R1")) {
            for (int i = 1; i <= 10; ++i) {
                const QString name = QStringLiteral("R%1").arg(i);
                elements.insert(name, Create(place, name, place.x + 33 * (i - 1), window));
            }
        } else {
            elements.insert(place.name, Create(place, place.name, place.x, window));
        }
    }
    return elements;
}

}  // namespace q417
