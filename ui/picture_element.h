#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

#include "ui/hint_spot.h"

class QPainter;
class QRegion;

namespace q417 {

// One picture element of the machine: a fixed place on the window, its own drawing surface
// of its size, and the mouse handlers bound to it. The surface is blitted in paintEvent; on
// a high-density screen Qt scales it by the whole device-pixel ratio without smoothing.
//
// A disabled element takes no mouse input: events over it reach whatever lies below. An
// enabled element without a handler for a button press lets the press through to the window,
// so the cabinet can be dragged there.
class PictureElement : public QWidget {
    Q_OBJECT
public:
    using PointHandler = std::function<void(int x, int y)>;
    using ButtonHandler = std::function<void(int x, int y, Qt::MouseButton button)>;

    PictureElement(const QString& name, const QRect& place, bool enabled, QWidget* parent);

    // The drawing surface; call update() after drawing on it. A surface nobody has asked for
    // yet is made (filled with the blank colour) when first wanted, so that hidden elements
    // cost no memory.
    QImage& image() { return surface(); }
    const QImage& image() const { return surface(); }
    // Shows the picture (of the element's size) as it is, shared rather than copied; drawing
    // on the element later draws on a copy of its own.
    void showPicture(const QImage& picture);
    // Shows the part of the element's size of a picture (a sprite sheet, a rendered view) whose
    // top-left corner is `from`: shared where it lies, as SharedPart makes it.
    void showPart(const QImage& picture, QPoint from = {});
    // Blanks the surface with the colour, which also fills any surface made later.
    void blank(QRgb colour);
    // Gives the element a new size and a fresh surface (filled with the blank colour).
    void resizePicture(int width, int height);
    // Whether the element reacts to the mouse (the machine's enabled flag).
    void setMouseEnabled(bool enabled);
    bool mouseEnabled() const { return mouse_enabled_; }
    // The part of the machine the element shows, for its hover hints.
    void setHintSpot(HintSpot spot) { hint_spot_ = spot; }
    HintSpot hintSpot() const { return hint_spot_; }

    ButtonHandler onMouseDown;
    ButtonHandler onMouseUp;
    PointHandler onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage& surface() const;

    mutable QImage image_;
    QRgb blank_ = 0xFFFFFFFF;
    bool mouse_enabled_ = true;
    bool press_taken_ = false;  // this element handles the press now under way
    HintSpot hint_spot_ = HintSpot::None;
};

// Paints the picture (of the widget's size) over the region, a rectangle at a time.
void DrawPictureByRects(QPainter& painter, const QRegion& region, const QImage& picture);

}  // namespace q417
