#pragma once
#include <QFont>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "io/printer.h"

class QLabel;
class QToolButton;

namespace q417 {

class MainWindow;
class TextBox;

// The text panel over the upper part of the window: the input text (what was typed, or the
// text loaded for the machine to type) and the output text (what the printer produced),
// with buttons to load a text, save the output, choose the font and clear both texts. A
// click on either heading shows that text enlarged, and the next click shows both again.
//
// It hears the printer's texts as a printer listener, passing every other piece of news on
// to the tapes. While the machine types by itself the new characters are collected and put
// into the boxes only when flush() is called, so that the boxes are drawn once per frame.
class TextPanel : public QWidget, public PrinterListener {
    Q_OBJECT
public:
    TextPanel(MainWindow& window, PrinterListener& tapes);
    ~TextPanel() override;

    TextBox& inputBox() { return *input_box_; }
    TextBox& outputBox() { return *output_box_; }
    QLabel* inputHeading() const { return input_heading_; }
    QLabel* outputHeading() const { return output_heading_; }
    QToolButton* button(const QString& name) const;  // "load", "save", "font", "clear", "close"
    bool textEnlarged() const { return enlarged_; }
    // Where the printer's news go while no run is drawing them once per frame.
    PrinterListener& printerListener() { return *this; }

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

    // Puts the selection on 1-based position p of the input text (the next to feed).
    void highlight(int32_t position);
    // While collecting, new characters wait for flush() instead of going into the boxes.
    void setCollecting(bool collecting);
    void flush();

    // How files and the font are chosen; dialogs unless replaced (tests). Empty or no value
    // when the user cancels.
    using FileChooser =
        std::function<QString(const QString& title, const QString& filter, const QString& name)>;
    using FontChooser = std::function<std::optional<QFont>(const QFont& current)>;
    void setChoosers(FileChooser open, FileChooser save, FontChooser font);

    // The font stored in the settings, shown in both boxes.
    void applyStoredFont();

    void InputAppended(std::string_view cp1251) override;
    void OutputAppended(std::string_view cp1251) override;
    void TextsCleared() override;
    void TapeAdvanced() override;
    void GlyphPrinted(int band, int32_t contact, int32_t machine) override;
    void Punched(int32_t contact) override;
    void CounterChanged(int groupCount, int groupPosition) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildBoxes();
    void BuildButtons();
    void PlaceBoxes();
    void ShowTexts();

    MainWindow& window_;
    PrinterListener& tapes_;
    TextBox* input_box_ = nullptr;
    TextBox* output_box_ = nullptr;
    QLabel* input_heading_ = nullptr;
    QLabel* output_heading_ = nullptr;
    QToolButton* buttons_[5] = {};
    bool enlarged_ = false;
    bool collecting_ = false;
    std::string pending_input_;
    std::string pending_output_;
    FileChooser choose_open_;
    FileChooser choose_save_;
    FontChooser choose_font_;
};

}  // namespace q417
