#pragma once
#include <QFont>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "app/machine_session.h"
#include "ui/dialogs.h"

class QLabel;
class QToolButton;

namespace q417 {

class ViewHost;
class TextBox;

// The text panel over the upper part of the window: the input text (what was typed, or the
// text loaded for the machine to type) and the output text (what the printer produced),
// with buttons to load a text, save the output, choose the font and clear both texts. A
// click on either heading shows that text enlarged, and the next click shows both again.
//
// It shows the texts and the feed position as the session tells them (a run's news arrive
// once per frame, held back by the window's owner of the news).
class TextPanel : public QWidget, public SessionEvents {
    Q_OBJECT
public:
    explicit TextPanel(ViewHost& window);
    ~TextPanel() override;

    TextBox& inputBox() { return *input_box_; }
    TextBox& outputBox() { return *output_box_; }
    QLabel* inputHeading() const { return input_heading_; }
    QLabel* outputHeading() const { return output_heading_; }
    // "load", "save", "font", "clear", "close", "savestate", "openstate"
    QToolButton* button(const QString& name) const;
    bool textEnlarged() const { return enlarged_; }

    // The control box's text button: the panel shown, the input text ready for the keyboard.
    void open();
    void closePanel();
    void loadText();
    void saveText();
    void selectFont();
    void clearText();
    void headingClicked(bool outputHeading);
    // A file loaded or saved without a dialog; a failure is reported and changes no text.
    bool loadTextFrom(const QString& path);
    bool saveTextTo(const QString& path);
    // The whole machine saved to a machine state file and opened from one (also Ctrl+S and
    // Ctrl+O). A refused save or a file that cannot be opened is reported, naming the file
    // and what is wrong, and changes nothing.
    void saveState();
    void openState();
    bool saveStateTo(const QString& path);
    bool openStateFrom(const QString& path);

    // Puts the selection on 1-based position p of the input text (the next to feed).
    void highlight(int32_t position);

    // How files and the font are chosen: dialogs that do not wait, unless replaced by
    // choosers that answer at once (tests). Empty or no value when the user cancels.
    using FileChooser =
        std::function<QString(const QString& title, const QString& filter, const QString& name)>;
    using FontChooser = std::function<std::optional<QFont>(const QFont& current)>;
    void setChoosers(FileChooser open, FileChooser save, FontChooser font);

    // The font stored in the settings, shown in both boxes.
    void applyStoredFont();

    void InputAppended(std::string_view cp1251) override;
    void OutputAppended(std::string_view cp1251) override;
    void TextsCleared() override;
    void FeedMoved(int32_t position) override { highlight(position); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AskFile(FileDialogKind kind, const QString& title, const QString& filter,
                 const QString& name, const QString& suffix,
                 std::function<void(const QString&)> then);
    void UseFont(const std::optional<QFont>& chosen);
    void BuildBoxes();
    void BuildButtons();
    void PlaceBoxes();
    void ShowTexts();
    void ShowFileName(const QString& name);

    ViewHost& window_;
    MachineSession& session_;
    TextBox* input_box_ = nullptr;
    TextBox* output_box_ = nullptr;
    QString file_name_;  // of the text loaded, while the input text is that file's
    QLabel* input_heading_ = nullptr;
    QLabel* output_heading_ = nullptr;
    QToolButton* buttons_[7] = {};
    bool enlarged_ = false;
    FileChooser choose_open_;
    FileChooser choose_save_;
    FontChooser choose_font_;
};

}  // namespace q417
