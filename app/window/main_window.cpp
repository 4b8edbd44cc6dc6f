#include "app/window/main_window.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include "app/qt/control_box.h"
#include "app/qt/counter_lever.h"
#include "ui/dialogs.h"
#include "ui/picture_element.h"
#include "app/qt/rotor_stack_view.h"
#include "app/qt/signal_path_panel.h"
#include "ui/sprites.h"
#include "ui/blit.h"
#include "io/qt/keyboard_view.h"
#include "io/qt/mode_wheel_view.h"
#include "io/qt/tape_view.h"
#include "io/qt/text_loader_view.h"
#include "key/qt/key_box.h"

namespace q417 {

namespace {
constexpr QRgb kBackground = 0xFFB0B4B0;
}

MainWindow::MainWindow(const QString& settingsPath, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), host_(*this, settingsPath) {
    setWindowTitle(QStringLiteral("Q-417"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    cabinet_ = Sprites::Get("cabinet");
    MakeViews();
    // Outside its outline the window shows the desktop, with or without a compositor: the
    // shape cuts it on X11, and where the desktop composes windows it is translucent too.
    // Both are settled before the window first shows.
    const bool translucent = compositor_.Answer();
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    setAttribute(Qt::WA_OpaquePaintEvent, !translucent);  // the paint covers every pixel
}

MainWindow::~MainWindow() {
    session().SetEvents(nullptr);
}

// Start-up: the settings read, the sounds, the outline and every view made; then the session
// starts up exactly as q417-cli's does, and its news draw the pictures. A failing step is
// reported and start-up carries on with defaults, so the machine always comes up working.
void MainWindow::MakeViews() {
    const MachinePictures& pictures = host_.pictures();
    // A move over any part of the machine but the rotor windows leaves the mouse wheel no rotor
    // to turn; the control box leaves the choice alone. The views bind their own moves after.
    pictures.ForEach([this](Picture p, PictureElement& element) {
        if (RotorSlotOf(p) == 0 && p != Picture::ControlBox)
            element.onMouseMove = [this](int, int) { views_.stack->pointerOffRotors(); };
    });
    Views& v = views_;
    SessionViews& news = host_.views();
    v.stack = std::make_unique<RotorStackView>(host_, pictures, [this] { panels_->keyBox(); });
    v.moduleSwitch = std::make_unique<ModuleSwitch>(pictures[Picture::ModuleSwitch], host_,
                                                    [this] { views_.stack->pointerOffRotors(); });
    const MachineSettings read = host_.ReadSettingsAndLoadSounds();
    v.counterLever = std::make_unique<CounterLever>(pictures[Picture::CounterLever], host_);
    v.controlBox = std::make_unique<ControlBox>(
        pictures[Picture::ControlBox], host_,
        ControlBox::Actions{[this] { closeProgram(); }, [this] { panels_->openSettingsPanel(); },
                            [this] { panels_->openTextPanel(); },
                            [this] { panels_->signalPathPanel().toggle(); }});
    v.keyboard = std::make_unique<KeyboardView>(host_, pictures[Picture::Keyboard],
                                                pictures[Picture::SpaceBar]);
    v.keyboard->Prepare();
    news.AddKeyboardView(v.keyboard.get());
    v.tapes =
        std::make_unique<TapeView>(host_, pictures[Picture::PaperTape],
                                   pictures[Picture::PunchedTape], pictures[Picture::Counter]);
    v.tapes->Prepare();
    v.modeWheel = std::make_unique<ModeWheelView>(host_, pictures[Picture::ModeWheel],
                                                  pictures[Picture::RegisterSwitch],
                                                  pictures[Picture::LanguageLever]);
    news.AddRotorView(&v.stack->rotorPictures());
    v.textLoader = std::make_unique<TextLoaderView>(
        host_, [this]() -> TextPanel& { return panels_->textPanel(); },
        [this] { return host_.sound().stepMs(); });
    news.Add(v.textLoader.get());
    panels_ = std::make_unique<WindowPanels>(host_);
    for (SessionEvents* view : std::initializer_list<SessionEvents*>{
             v.tapes.get(), v.modeWheel.get(), v.moduleSwitch.get(), v.stack.get(), &notices_})
        news.Add(view);
    host_.session().SetEvents(&news);
    compositor_.FollowUp();
    host_.session().StartUp(read);
    host_.session().KeepHistory(true);
    ClipChildrenToOutline(*this);
}

// A run ends with the program; the settings are saved if they can be; either way the user
// is told what happened, and the program ends once the message is read.
void MainWindow::closeProgram() {
    session().StopRun();
    host_.saveSettings();
    AfterErrorsDismissed(this, [this] { close(); });
}

void MainWindow::Notices::Notice(const std::string& text) {
    QTimer::singleShot(0, &window_, [this, text] { window_.host_.reportRefusal(text); });
}

// Only the cabinet inside the outline shows. A translucent window paints it only there: what
// it leaves unpainted is transparent (the window system clears it before every paint). An
// opaque one paints it all and is cut by its shape.
void MainWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (cabinet_.isNull()) {
        if (!mask().isEmpty()) painter.setClipRegion(mask());
        painter.fillRect(rect(), QColor::fromRgb(kBackground));
        return;
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const bool translucent = testAttribute(Qt::WA_TranslucentBackground) && !mask().isEmpty();
    DrawPictureByRects(painter, translucent ? event->region().intersected(mask()) : event->region(),
                       cabinet_);
}

}  // namespace q417
