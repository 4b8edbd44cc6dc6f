#pragma once
#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "app/machine_session.h"

class QLabel;
class QToolButton;
class QWidget;

namespace q417 {

class CardPanel;
class ViewHost;
class PictureElement;

// The key-setting box of the opened machine: the box panel BOX with the rotor bodies B1..B10,
// the face view DOT, the key table KTImage, its title and buttons; the core tray MPanel with
// M1..M10; and the card editor. Its handlers call the session's verbs; what is shown always
// follows the session's work table, redrawn from the session's news. The rotor stack beside
// it, with its plates and the stepping mechanism, is drawn by the stack's own view.
class KeyBox : public SessionEvents {
public:
    explicit KeyBox(ViewHost& window);
    ~KeyBox() override;

    const WorkTable& workTable() const { return session_.work(); }
    CardPanel& cardPanel() { return *card_panel_; }
    QWidget* box() const { return box_; }
    QWidget* tray() const { return tray_; }
    QLabel* title() const { return label2_; }
    // The rotor bodies in the box and the cores in the tray (1..10), the face view of the
    // rotor being assembled and the key table.
    PictureElement& body(int n) const { return *bodies_.at(n); }
    PictureElement& core(int n) const { return *cores_.at(n); }
    PictureElement& face() const { return *dot_; }
    PictureElement& keyTable() const { return *kt_image_; }
    QToolButton* button(const QString& name) const;

    // The tray's cores and the box's bodies for the loaded series.
    void drawCorePictures();
    void drawBodies();

    // The buttons of the box.
    void loadKey();
    void saveKey();
    void setBasePosition();
    void clearKeyTable();
    void generateRandomKey();
    // A key file read or written without a dialog; errors are reported and change nothing.
    void loadKeyFrom(const QString& path);
    void saveKeyTo(const QString& path);

    // How a file is chosen: (title, proposed name) to a path, empty when cancelled. A file
    // dialog unless replaced (tests).
    using FileChooser = std::function<QString(const QString& title, const QString& proposed)>;
    void setFileChooser(FileChooser open, FileChooser save);

    // Makes every picture of the box, the tray and the stack match the work table.
    void sync();

    void KeyChanged() override { sync(); }
    void SeriesChanged() override;
    void MachineOpened() override;
    void MachineClosed() override;

private:
    void BuildBox();
    void BuildButtons();
    void BuildTray();
    void BodyMouseUp(int body);
    void CoreMouseUp(int core);
    void DotMouseUp(int x, int y);
    void DrawFace();
    void UpdateSaveButton();
    void Report(const QString& message);
    void AskFile(bool save, const QString& title, const QString& proposed,
                 std::function<void(const QString&)> then);
    void DrawTitle();

    ViewHost& window_;
    MachineSession& session_;
    const WorkTable& work_;
    QWidget* box_ = nullptr;
    QWidget* tray_ = nullptr;
    QLabel* label2_ = nullptr;
    bool key_file_loaded_ = false;  // the title reads "Key table " until a key file is loaded
    PictureElement* dot_ = nullptr;
    PictureElement* kt_image_ = nullptr;
    std::array<PictureElement*, 11> bodies_{};
    std::array<PictureElement*, 11> cores_{};
    std::array<QToolButton*, 6> buttons_{};
    std::unique_ptr<CardPanel> card_panel_;
    FileChooser choose_open_;
    FileChooser choose_save_;
};

}  // namespace q417
