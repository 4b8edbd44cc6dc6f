#pragma once
#include <QWidget>

class QLabel;
class QToolButton;

namespace q417 {

class PictureElement;

// The about panel SPanel3, shown over the settings panel: title, the program's version,
// credits and the logo.
class AboutPanel : public QWidget {
    Q_OBJECT
public:
    explicit AboutPanel(QWidget* settingsPanel);

    QLabel* title() const { return title_; }
    QLabel* version() const { return version_; }
    PictureElement& logo() { return *logo_; }
    QToolButton* closeButton() const { return close_; }

private:
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    PictureElement* logo_ = nullptr;
    QToolButton* close_ = nullptr;
};

}  // namespace q417
