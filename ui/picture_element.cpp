#include "ui/picture_element.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/blit.h"

namespace q417 {

PictureElement::PictureElement(const QString& name, const QRect& place, bool enabled,
                               QWidget* parent)
    : QWidget(parent) {
    setObjectName(name);
    setGeometry(place);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseEnabled(enabled);
}

QImage& PictureElement::surface() const {
    if (image_.isNull()) image_ = MakePicture(width(), height(), blank_);
    return image_;
}

void PictureElement::showPicture(const QImage& picture) {
    image_ = picture;
    update();
}

void PictureElement::showPart(const QImage& picture, QPoint from) {
    showPicture(SharedPart(picture, QRect(from, size())));
}

void PictureElement::blank(QRgb colour) {
    blank_ = colour;
    image_ = QImage();  // made when first wanted: a hidden element's picture costs nothing yet
    update();
}

void PictureElement::resizePicture(int width, int height) {
    image_ = QImage();
    resize(width, height);
    update();
}

void PictureElement::setMouseEnabled(bool enabled) {
    mouse_enabled_ = enabled;
    setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

// Qt's raster engine copies the rows of a picture straight across where the clip is one
// rectangle; under a clip of many rectangles (the outline, the elements over the cabinet) it
// blends span by span and, for a large paint, hands the spans to a pool of threads it starts
// for the purpose. So the region is painted a rectangle at a time.
void DrawPictureByRects(QPainter& painter, const QRegion& region, const QImage& picture) {
    for (const QRect& r : region) {
        painter.setClipRect(r);
        painter.drawImage(r, picture, r);
    }
}

void PictureElement::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // Whole-number scale factors only, nearest pixel: the sprites stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    DrawPictureByRects(painter, event->region(), surface());
}

void PictureElement::mousePressEvent(QMouseEvent* event) {
    press_taken_ = static_cast<bool>(onMouseDown) || static_cast<bool>(onMouseUp);
    if (!press_taken_) {
        event->ignore();  // nothing here reacts to a press: the window may drag itself
        return;
    }
    if (onMouseDown) {
        const QPoint p = event->position().toPoint();
        onMouseDown(p.x(), p.y(), event->button());
    }
}

void PictureElement::mouseReleaseEvent(QMouseEvent* event) {
    if (!press_taken_) {
        event->ignore();
        return;
    }
    if (event->buttons() == Qt::NoButton) press_taken_ = false;
    if (onMouseUp) {
        const QPoint p = event->position().toPoint();
        onMouseUp(p.x(), p.y(), event->button());
    }
}

// Movements stay with the element: the window's own handler must not undo what the
// element's handler decided (a rotor window choosing the slot the mouse wheel turns).
void PictureElement::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (onMouseMove) onMouseMove(p.x(), p.y());
}

}  // namespace q417
