#include "io/qt/text_loader_view.h"

#include <QFontMetrics>
#include <QPainter>

#include "app/machine_session.h"
#include "app/qt/machine_layout.h"
#include "ui/picture_element.h"
#include "app/qt/session_views.h"
#include "ui/sprites.h"
#include "ui/view_host.h"
#include "ui/blit.h"
#include "io/qt/run_clock.h"
#include "io/qt/text_panel.h"

namespace q417 {

namespace {

constexpr int kKeyWidth = 47;
constexpr int kKeyHeight = 52;
constexpr int kStripBandY[4] = {21, 37, 53, 69};  // normal, left lit, right lit, pressed
// The paper strip of the reading window, inside its sunk frame, and where its text starts.
const QRect kReadingStrip(16, 16, 114, 18);
constexpr int kReadingTextX = 18;

}  // namespace

// The name in the window's own type: bold, monospaced, dark grey on the paper strip, with
// the arrow of the feed after it. A long name loses its middle, so its start and its
// extension stay readable.
void ShowLoadedFileName(PictureElement& loader, const QString& name) {
    QImage& image = loader.image();
    const QImage& plain = Sprites::Get("Image17");
    QPainter p(&image);
    p.drawImage(kReadingStrip.topLeft(), plain, kReadingStrip);
    if (!name.isEmpty()) {
        p.fillRect(kReadingStrip, QColor(255, 255, 204));
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setStyleHint(QFont::Monospace);
        font.setPixelSize(9);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(60, 60, 60));
        const QFontMetrics fm(font);
        const QString arrow = QStringLiteral(" ▸");
        const int room = kReadingStrip.right() - kReadingTextX - fm.horizontalAdvance(arrow);
        const QString shown = fm.elidedText(name, Qt::ElideMiddle, room) + arrow;
        p.setClipRect(kReadingStrip);
        p.drawText(QRect(kReadingTextX, kReadingStrip.top(), kReadingStrip.right() - kReadingTextX,
                         kReadingStrip.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, shown);
    }
    p.end();
    loader.update();
}

TextLoaderView::TextLoaderView(ViewHost& window, PanelSource panel, std::function<int()> stepMs)
    : window_(window),
      panel_(std::move(panel)),
      loader_(window.picture(Picture::TextLoader)),
      start_(window.picture(Picture::StartKey)),
      stop_(window.picture(Picture::StopKey)),
      clock_(std::make_unique<RunClock>(window.session(), window.views(), std::move(stepMs))) {
    DrawLoader(loader::ButtonLook::Normal, loader::StripLook::Normal);
    DrawStartKey(false);
    DrawStopKey(false);
    Bind();
}

TextLoaderView::~TextLoaderView() = default;

void TextLoaderView::Bind() {
    loader_.onMouseDown = [this](int x, int y, Qt::MouseButton) { Image17MouseDown(x, y); };
    loader_.onMouseMove = [this](int x, int y) { Image17MouseMove(x, y); };
    loader_.onMouseUp = [this](int x, int y, Qt::MouseButton) {
        Guarded(window_, [&] { Image17MouseUp(x, y); });
    };
    start_.onMouseDown = [this](int, int, Qt::MouseButton) {
        Guarded(window_, [&] { StartKeyDown(); });
    };
    start_.onMouseUp = [this](int, int, Qt::MouseButton) { StartKeyUp(); };
    stop_.onMouseDown = [this](int, int, Qt::MouseButton) { StopKeyDown(); };
    stop_.onMouseUp = [this](int, int, Qt::MouseButton) { StopKeyUp(); };
}

void TextLoaderView::DrawLoader(loader::ButtonLook button, loader::StripLook strip) {
    const QImage& sheet = Sprites::Get("LOADER");
    button_look_ = button;
    strip_look_ = strip;
    CopyRect(loader_.image(), 142, 16, sheet, QRect(30 * static_cast<int>(button), 0, 30, 21));
    CopyRect(loader_.image(), 0, 50, sheet, QRect(0, kStripBandY[static_cast<int>(strip)], 90, 15));
    loader_.update();
}

// The stop key is the upper half of the sheet, the start key the lower; released at the
// left, pressed at the right.
void TextLoaderView::DrawStartKey(bool pressed) {
    start_.showPart(Sprites::Get("PUSKSTOP"), QPoint(pressed ? kKeyWidth : 0, kKeyHeight));
}

void TextLoaderView::DrawStopKey(bool pressed) {
    stop_.showPart(Sprites::Get("PUSKSTOP"), QPoint(pressed ? kKeyWidth : 0, 0));
}

void TextLoaderView::Image17MouseMove(int x, int y) {
    const loader::LoaderSpot spot = loader::LoaderSpotAt(x, y);
    if (spot.button != button_look_ || spot.strip != strip_look_) DrawLoader(spot.button, spot.strip);
}

void TextLoaderView::Image17MouseDown(int x, int y) {
    const loader::LoaderSpot spot = loader::LoaderSpotAt(x, y);
    if (spot.LoadButton()) {
        window_.session().Sound().PlayClick();
        DrawLoader(loader::ButtonLook::Pressed, strip_look_);
    } else if (spot.OnStrip()) {
        DrawLoader(button_look_, loader::StripLook::Pressed);
    }
}

void TextLoaderView::Image17MouseUp(int x, int y) {
    const loader::LoaderSpot spot = loader::LoaderSpotAt(x, y);
    if (spot.LoadButton()) panel_().loadText();
    DrawLoader(loader::ButtonLook::Normal, spot.strip);
    if (spot.step != 0) window_.session().StepFeed(spot.step);
}

// The run goes on from the window's event loop; the key's own release, the stop key and the
// keyboard are handled between the characters.
void TextLoaderView::StartKeyDown() {
    if (!window_.session().PressStart()) return;
    DrawStartKey(true);
    clock_->start();
}

void TextLoaderView::StartKeyUp() {
    window_.session().ReleaseStart();
}

void TextLoaderView::StopKeyDown() {
    if (!window_.session().PressStop()) return;
    DrawStopKey(true);
    DrawStartKey(false);
}

void TextLoaderView::StopKeyUp() {
    DrawStopKey(false);
    window_.session().ReleaseStop();
}

void TextLoaderView::RunEnded() {
    DrawStartKey(false);
    if (window_.session().feed().RunFeedsText()) DrawStopKey(false);
}

}  // namespace q417
