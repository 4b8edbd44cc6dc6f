#include "io/qt/text_panel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

#include "app/machine_state.h"
#include "ui/dialogs.h"
#include "app/qt/font_record_qt.h"
#include "app/qt/machine_layout.h"
#include "ui/picture_element.h"
#include "ui/view_host.h"
#include "io/feed.h"
#include "io/file_access.h"
#include "io/qt/panel_glyphs.h"
#include "io/qt/text_box.h"
#include "io/qt/text_loader_view.h"
#include "io/text_file.h"

namespace q417 {

namespace {

constexpr int kBoxWidth = 633;
constexpr int kBoxHeight = 122;
constexpr int kEnlargedHeight = 267;
constexpr int kInputTop = 25;
constexpr int kOutputTop = 170;
constexpr int kTextButtons = 7;
const char* const kButtonNames[kTextButtons] = {"load",  "save",      "font",     "clear",
                                            "close", "savestate", "openstate"};

}  // namespace

TextPanel::TextPanel(ViewHost& window)
    : QWidget(&window.hostWidget()), window_(window), session_(window.session()) {
    setObjectName(QStringLiteral("TXTPanel"));
    setGeometry(7, 6, 637, 295);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    BuildBoxes();
    BuildButtons();
    applyStoredFont();
    // Made when first wanted, it shows what was typed and fed before, and the next character
    // a run would feed.
    ShowTexts();
    if (session_.feed().FeedPosition > 0) highlight(session_.feed().FeedPosition);
    setEnabled(false);
    hide();
}

TextPanel::~TextPanel() = default;

void TextPanel::BuildBoxes() {
    // The headings in the panels' Arial-like face: in a wider face "Output text" would run
    // under the load button beside it.
    QFont heading_font(fallbackFace());
    heading_font.setBold(true);
    heading_font.setPixelSize(16);
    if (QFontMetrics(heading_font)
            .horizontalAdvance(QCoreApplication::translate("TextPanel", "Output text")) > 90)
        heading_font.setStretch(QFont::SemiCondensed);
    const auto heading = [&](const QString& text, int y) {
        auto* label = new QLabel(text, this);
        label->setFont(heading_font);
        label->move(8, y);
        label->adjustSize();
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
        return label;
    };
    input_heading_ = heading(QCoreApplication::translate("TextPanel", "Input text"), 4);
    output_heading_ = heading(QCoreApplication::translate("TextPanel", "Output text"), 148);
    // The boxes lie above the headings: the enlarged box covers the output heading.
    const auto box = [&](const char* name) {
        auto* b = new TextBox(this);
        b->setObjectName(QString::fromLatin1(name));
        b->keySink = [this](QKeyEvent* e, bool) { window_.machineKeyEvent(*e); };
        return b;
    };
    input_box_ = box("Memo1");
    output_box_ = box("Memo2");
    PlaceBoxes();
}

void TextPanel::BuildButtons() {
    const QString hints[kTextButtons] = {
        QCoreApplication::translate("TextPanel", "load text"),
        QCoreApplication::translate("TextPanel", "save text"),
        QCoreApplication::translate("TextPanel", "select font"),
        QCoreApplication::translate("TextPanel", "clear text"),
        QString(),
        QCoreApplication::translate("TextPanel",
                                    "save the machine as it stands: settings, key, rotors, "
                                    "counter, tapes and texts (Ctrl+S)"),
        QCoreApplication::translate("TextPanel",
                                    "open a saved machine and go on where it was left (Ctrl+O)")};
    const std::function<void()> actions[kTextButtons] = {
        [this] { loadText(); },  [this] { saveText(); },   [this] { selectFont(); },
        [this] { clearText(); }, [this] { closePanel(); }, [this] { saveState(); },
        [this] { openState(); }};
    for (int i = 0; i < kTextButtons; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kButtonNames[i]));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setToolTip(hints[i]);
        const bool close = i == 4;
        // The state buttons stand a little apart from the text buttons, after them.
        const int x = close ? 617 : i < 4 ? 100 + 20 * i : 190 + 20 * (i - 5);
        b->setGeometry(x, close ? 5 : 4, close ? 16 : 20, close ? 16 : 20);
        if (i < 5)
            b->setIcon(PanelGlyph(static_cast<Glyph>(i)));
        else
            b->setIcon(style()->standardIcon(i == 5 ? QStyle::SP_DialogSaveButton
                                                    : QStyle::SP_DirOpenIcon));
        b->setIconSize(close ? QSize(12, 12) : QSize(16, 16));
        connect(b, &QToolButton::clicked, this, [this, i, actions] {
            try {
                actions[i]();
            } catch (const std::exception& e) {
                window_.reportError(QString::fromLocal8Bit(e.what()));
            }
        });
        buttons_[i] = b;
    }
}

QToolButton* TextPanel::button(const QString& name) const {
    for (int i = 0; i < kTextButtons; ++i)
        if (name == QLatin1String(kButtonNames[i])) return buttons_[i];
    return nullptr;
}

void TextPanel::PlaceBoxes() {
    input_box_->setGeometry(2, kInputTop, kBoxWidth, kBoxHeight);
    output_box_->setGeometry(2, kOutputTop, kBoxWidth, kBoxHeight);
    input_box_->show();
    output_box_->show();
}

void TextPanel::open() {
    setEnabled(true);
    show();
    raise();
    if (input_box_->isVisible()) input_box_->setFocus();
}

void TextPanel::closePanel() {
    setEnabled(false);
    hide();
    window_.focusMachine();
}

void TextPanel::headingClicked(bool outputHeading) {
    QPalette pal = input_heading_->palette();
    if (!enlarged_) {
        TextBox* shown = outputHeading ? output_box_ : input_box_;
        (outputHeading ? input_box_ : output_box_)->hide();
        shown->setGeometry(2, kInputTop, kBoxWidth, kEnlargedHeight);
        input_heading_->setText(outputHeading
                                    ? QCoreApplication::translate("TextPanel", "Output text")
                                    : QCoreApplication::translate("TextPanel", "Input text"));
        pal.setColor(QPalette::WindowText, Qt::red);
        enlarged_ = true;
    } else {
        PlaceBoxes();
        input_box_->setFocus();
        input_heading_->setText(QCoreApplication::translate("TextPanel", "Input text"));
        output_heading_->setText(QCoreApplication::translate("TextPanel", "Output text"));
        pal.setColor(QPalette::WindowText, Qt::black);
        enlarged_ = false;
    }
    input_heading_->setPalette(pal);
    input_heading_->adjustSize();
}

bool TextPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == input_heading_ || watched == output_heading_)) {
        headingClicked(watched == output_heading_);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The input text is emptied before the file is asked for: a cancelled load leaves no text.
// A file that cannot be read puts back what was there.
void TextPanel::loadText() {
    auto before = std::make_shared<MachineSession::InputText>(session_.TakeInputText());
    AskFile(FileDialogKind::Open, QCoreApplication::translate("TextPanel", "load text"),
            QCoreApplication::translate("TextPanel", "text file (*.txt)"), QString(),
            QStringLiteral("txt"), [this, before, name_before = file_name_](const QString& path) {
                if (path.isEmpty() || loadTextFrom(path)) return;
                session_.PutBackInputText(std::move(*before));
                ShowFileName(name_before);
            });
}

// A file or font chooser put in place of the dialog (by the tests) answers at once.
void TextPanel::AskFile(FileDialogKind kind, const QString& title, const QString& filter,
                        const QString& name, const QString& suffix,
                        std::function<void(const QString&)> then) {
    const FileChooser& replaced = kind == FileDialogKind::Save ? choose_save_ : choose_open_;
    if (replaced)
        then(replaced(title, filter, name));
    else
        ChooseFile(this, kind, title, filter, name, suffix, QDir::currentPath(), std::move(then));
}

bool TextPanel::loadTextFrom(const QString& path) {
    std::string bytes, error;
    if (!ReadTextFile(path.toStdString(), bytes, error)) {
        window_.reportError(QString::fromStdString(error));
        return false;
    }
    session_.LoadText(DecodeTextFile(bytes));
    ShowFileName(QFileInfo(path).fileName());
    return true;
}

// The loader's reading window names the file while its text is the input text.
void TextPanel::ShowFileName(const QString& name) {
    if (name == file_name_) return;
    file_name_ = name;
    ShowLoadedFileName(window_.picture(Picture::TextLoader), file_name_);
}

void TextPanel::saveText() {
    AskFile(FileDialogKind::Save, QCoreApplication::translate("TextPanel", "save text"),
            QStringLiteral("Текстовый файл (*.txt)"), QStringLiteral("encrypt.txt"),
            QStringLiteral("txt"), [this](const QString& path) {
                if (!path.isEmpty()) saveTextTo(path);
            });
}

bool TextPanel::saveTextTo(const QString& path) {
    std::string error;
    if (!WriteTextFile(path.toStdString(), TextFileBytes(session_.printer().OutputText()), error)) {
        window_.reportError(QString::fromStdString(error));
        return false;
    }
    return true;
}

void TextPanel::saveState() {
    const std::string refusal = session_.CaptureRefusal();
    if (!refusal.empty()) {
        window_.reportError(
            QCoreApplication::translate("TextPanel", "The machine was not saved. %1")
                .arg(QString::fromStdString(refusal)));
        return;
    }
    AskFile(FileDialogKind::Save, QCoreApplication::translate("TextPanel", "save the machine"),
            QCoreApplication::translate("TextPanel", "machine state (*.q417)"),
            QStringLiteral("machine.q417"), QStringLiteral("q417"), [this](const QString& path) {
                if (!path.isEmpty()) saveStateTo(path);
            });
}

bool TextPanel::saveStateTo(const QString& path) {
    const std::string refusal = session_.CaptureRefusal();
    if (!refusal.empty()) {
        window_.reportError(
            QCoreApplication::translate("TextPanel", "The machine was not saved. %1")
                .arg(QString::fromStdString(refusal)));
        return false;
    }
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), WriteMachineState(session_.CaptureState()),
                             error)) {
        window_.reportError(QString::fromStdString(error));
        return false;
    }
    return true;
}

void TextPanel::openState() {
    AskFile(FileDialogKind::Open, QCoreApplication::translate("TextPanel", "open a saved machine"),
            QCoreApplication::translate("TextPanel", "machine state (*.q417)"), QString(),
            QString(), [this](const QString& path) {
                if (!path.isEmpty()) openStateFrom(path);
            });
}

// The file is read and checked whole before the machine is touched: a file that is refused
// leaves everything as it was.
bool TextPanel::openStateFrom(const QString& path) {
    std::string bytes, error;
    if (!ReadWholeFile(path.toStdString(), kStateFileLimit, bytes, error, "machine state file")) {
        window_.reportError(QString::fromStdString(error));
        return false;
    }
    MachineState state;
    if (!ReadMachineState(bytes, state, error) || !(error = session_.RestoreState(state)).empty()) {
        if (!error.empty() && error.back() == '.') error.pop_back();
        window_.reportError(QCoreApplication::translate(
                                "TextPanel",
                                "The machine state file \"%1\" was not opened, and the machine "
                                "is as it was: %2.")
                                .arg(path, QString::fromStdString(error)));
        return false;
    }
    ShowFileName(QString());
    return true;
}

void TextPanel::selectFont() {
    if (choose_font_)
        UseFont(choose_font_(input_box_->font()));
    else
        ChooseFont(this, input_box_->font(),
                   [this](const std::optional<QFont>& chosen) { UseFont(chosen); });
}

void TextPanel::UseFont(const std::optional<QFont>& chosen) {
    if (!chosen) return;
    const QtTextFont stored = textFontFromRecord(window_.textFont(), palette());
    window_.textFont() = recordFromTextFont(*chosen, stored.color, window_.textFont(), palette());
    applyStoredFont();
}

void TextPanel::applyStoredFont() {
    const QtTextFont stored = textFontFromRecord(window_.textFont(), palette());
    QFont font = shownTextFont(stored.font);
    font.setKerning(false);  // every character as wide as the layout measures it
    font.setStyleStrategy(QFont::PreferNoShaping);
    for (TextBox* box : {input_box_, output_box_}) {
        box->setFont(font);
        box->setTextColor(stored.color);
    }
}

void TextPanel::clearText() {
    session_.ClearText();
}

void TextPanel::highlight(int32_t position) {
    const std::size_t size = input_box_->text().size();
    if (position >= 1 && static_cast<std::size_t>(position) <= size)
        input_box_->select(static_cast<std::size_t>(position - 1), 1);
    else
        input_box_->select(position <= 0 ? 0 : size, 0);
}

void TextPanel::setChoosers(FileChooser open, FileChooser save, FontChooser font) {
    choose_open_ = std::move(open);
    choose_save_ = std::move(save);
    choose_font_ = std::move(font);
}

// A text loaded (or a load cancelled) replaces the input text alone: the output box keeps
// its text and the place the user scrolled it to.
void TextPanel::ShowTexts() {
    input_box_->setText(session_.printer().InputText());
    if (output_box_->text() != session_.printer().OutputText())
        output_box_->setText(session_.printer().OutputText());
}

void TextPanel::InputAppended(std::string_view cp1251) {
    input_box_->append(cp1251);
}

void TextPanel::OutputAppended(std::string_view cp1251) {
    output_box_->append(cp1251);
}

void TextPanel::TextsCleared() {
    ShowTexts();
    if (session_.printer().InputText().empty()) ShowFileName(QString());
}

}  // namespace q417
