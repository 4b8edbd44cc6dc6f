#include "io/qt/tape_view.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QWindow>
#include <cstring>
#include <string_view>

#include "ui/dialogs.h"
#include "ui/picture_element.h"
#include "ui/sprites.h"
#include "ui/view_host.h"
#include "ui/blit.h"
#include "io/file_access.h"

namespace q417 {

namespace {

constexpr int kGlyphWidth = 14;
constexpr int kGlyphHeight = 19;
constexpr int kPunchWidth = 7;
constexpr int kPunchHeight = 44;
constexpr int kDigitWidth = 14;
constexpr int kDigitHeight = 19;
constexpr int kDigitX[4] = {13, 36, 59, 90};  // hundreds, tens, units of groups; the group

}  // namespace

void ScrollLeft(QImage& image, int step, QRgb fill) {
    const int w = image.width();
    if (step >= w) {
        image.fill(fill);
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::memmove(row, row + step, sizeof(QRgb) * (w - step));
        std::fill(row + w - step, row + w, fill);
    }
}

TapeView::TapeView(ViewHost& host, PictureElement& paper, PictureElement& punched,
                   PictureElement& counter)
    : host_(host), paper_(paper), punched_(punched), counter_(counter) {
    Bind();
}

// The right button on either tape offers to save it as a picture.
void TapeView::Bind() {
    for (PictureElement* tape : {&paper_, &punched_})
        tape->onMouseUp = [this, tape](int x, int y, Qt::MouseButton button) {
            Guarded(host_, [&] {
                const bool punched = tape == &punched_;
                if (button == Qt::RightButton)
                    OfferTapePicture(punched, tape->mapToGlobal(QPoint(x, y)));
                else if (!punched)
                    host_.session().AdvanceTape();  // a blank cell; texts and counter stay
            });
        };
}

void TapeView::SettingsChanged() {
    punched_.setVisible(host_.session().settings().Sposob == PrintMethod::AlsoPunchedTape);
}

// The tape's own image, each pixel made a square of the window's whole scale factor, as the
// screen shows it.
QImage TapeView::tapePicture(bool punched) const {
    const QImage& tape = (punched ? punched_ : paper_).image();
    const QWidget& window = host_.hostWidget();
    const int scale =
        std::max(1, qRound(window.windowHandle() ? window.windowHandle()->devicePixelRatio()
                                                 : window.devicePixelRatioF()));
    return tape.scaled(tape.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool TapeView::saveTapePicture(bool punched, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!tapePicture(punched).save(&buffer, "PNG")) {
        host_.reportError(QCoreApplication::translate(
            "MainWindow", "The tape could not be made into a picture."));
        return false;
    }
    std::string error;
    if (!WriteFileAtomically(path.toStdString(), std::string_view(png.constData(), png.size()),
                             error)) {
        host_.reportError(QString::fromStdString(error));
        return false;
    }
    return true;
}

// A small menu at the pointer, shown without waiting for it: the choice comes as a signal.
void TapeView::OfferTapePicture(bool punched, QPoint at) {
    QWidget* window = &host_.hostWidget();
    auto* menu = new QMenu(window);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString what =
        punched ? QCoreApplication::translate("MainWindow", "Save the punched tape as a picture...")
                : QCoreApplication::translate("MainWindow", "Save the paper tape as a picture...");
    QObject::connect(menu->addAction(what), &QAction::triggered, window, [this, window, punched] {
        ChooseFile(window, FileDialogKind::Save,
                   QCoreApplication::translate("MainWindow", "save the tape as a picture"),
                   QCoreApplication::translate("MainWindow", "PNG picture (*.png)"),
                   punched ? QStringLiteral("punched-tape.png") : QStringLiteral("paper-tape.png"),
                   QStringLiteral("png"), QDir::currentPath(), [this, punched](const QString& path) {
                       Guarded(host_, [&] {
                           if (!path.isEmpty()) saveTapePicture(punched, path);
                       });
                   });
    });
    menu->popup(at);
}

void TapeView::Prepare() {
    paper_.blank(kTapeColour);
    punched_.blank(kTapeColour);  // hidden until the punch is used: made when first wanted
    CopyRect(counter_.image(), 0, 0, Sprites::Get("counter1"), QRect(0, 19, 115, 34));
    CounterChanged(0, 0);
}

void TapeView::TapesBlanked() {
    paper_.blank(kTapeColour);
    punched_.blank(kTapeColour);
    paper_.update();
    punched_.update();
}

void TapeView::TapeAdvanced() {
    ScrollLeft(paper_.image(), kGlyphWidth, kTapeColour);
    paper_.update();
}

void TapeView::GlyphPrinted(int band, int32_t contact, Model machine) {
    if (band < 1 || band > 8 || contact < 0 || contact > 31) return;
    const QImage& glyphs = Sprites::Get(machine == Model::Q417M ? "OUT_LIT_M" : "OUT_LIT_3M");
    QImage& tape = paper_.image();
    AndRect(tape, tape.width() - kGlyphWidth, 0, glyphs,
            QRect(kGlyphWidth * contact, (band - 1) * kGlyphHeight, kGlyphWidth, kGlyphHeight));
    paper_.update();
}

void TapeView::Punched(int32_t contact) {
    QImage& tape = punched_.image();
    ScrollLeft(tape, kPunchWidth, kTapeColour);
    if (contact >= 0 && contact <= 31)
        AndRect(tape, tape.width() - kPunchWidth, 0, Sprites::Get("OUT_PUN"),
                QRect(kPunchWidth * contact, 0, kPunchWidth, kPunchHeight));
    punched_.update();
}

void TapeView::CounterChanged(int groupCount, int groupPosition) {
    const int digits[4] = {groupCount / 100 % 10, groupCount % 100 / 10, groupCount % 10,
                           groupPosition % 10};
    const QImage& sheet = Sprites::Get("counter1");
    for (int i = 0; i < 4; ++i)
        CopyRect(counter_.image(), kDigitX[i], 7, sheet,
                 QRect(kDigitWidth * digits[i], 0, kDigitWidth, kDigitHeight));
    counter_.update();
}

}  // namespace q417
