#include "key/qt/key_box.h"

#include <QCoreApplication>
#include <QDate>
#include <QLabel>
#include <QToolButton>

#include "ui/picture_element.h"
#include "ui/view_host.h"
#include "ui/blit.h"
#include "core/qt/rotor_view.h"
#include "key/qt/card_panel.h"
#include "key/qt/face_zones.h"
#include "key/qt/key_pictures.h"

namespace q417 {

namespace {

constexpr int kBodyWidth = 36;
constexpr int kBodyHeight = 191;

QWidget* MakeBlackPanel(QWidget& parent, const char* name, const QRect& place) {
    auto* panel = new QWidget(&parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(place);
    panel->setAutoFillBackground(true);
    QPalette p = panel->palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, QColor::fromRgb(kPaperYellow));
    panel->setPalette(p);
    panel->hide();
    return panel;
}

}  // namespace

KeyBox::KeyBox(ViewHost& window)
    : window_(window), session_(window.session()), work_(window.session().work()) {
    BuildBox();
    BuildTray();
    card_panel_ = std::make_unique<CardPanel>(window.hostWidget(), session_);
    card_panel_->dayOfMonth = [] { return QDate::currentDate().day(); };
    // Made when first wanted: it shows the work table and the machine as they stand.
    drawBodies();
    sync();
    if (!session_.machine().state.MachineClosed) MachineOpened();
}

KeyBox::~KeyBox() = default;

void KeyBox::BuildBox() {
    box_ = MakeBlackPanel(window_.hostWidget(), "BOX", QRect(6, 316, 639, 198));
    for (int n = 1; n <= 10; ++n) {
        bodies_[n] =
            new PictureElement(QStringLiteral("B%1").arg(n),
                               QRect(8 + 40 * (n - 1), 3, kBodyWidth, kBodyHeight), true, box_);
        bodies_[n]->setHintSpot(HintSpot::Body);
        bodies_[n]->onMouseUp = [this, n](int, int, Qt::MouseButton) { BodyMouseUp(n); };
    }
    dot_ = new PictureElement(QStringLiteral("DOT"), QRect(8, 3, kFaceSize, kFaceSize), true, box_);
    dot_->setHintSpot(HintSpot::FaceView);
    dot_->onMouseUp = [this](int x, int y, Qt::MouseButton) { DotMouseUp(x, y); };
    dot_->hide();
    kt_image_ = new PictureElement(QStringLiteral("KTImage"), QRect(408, 32, 225, 130), true, box_);
    kt_image_->setHintSpot(HintSpot::KeyTable);
    label2_ = new QLabel(QCoreApplication::translate("KeyBox", "Key table "), box_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(410, 8, 221, 20);
    BuildButtons();
}

void KeyBox::BuildTray() {
    tray_ = MakeBlackPanel(window_.hostWidget(), "MPanel", QRect(6, 4, 455, 185));
    for (int n = 1; n <= 10; ++n) {
        const QRect place(2 + 90 * ((n - 1) % 5), n <= 5 ? 2 : 92, kCoreSize, kCoreSize);
        cores_[n] = new PictureElement(QStringLiteral("M%1").arg(n), place, true, tray_);
        cores_[n]->setHintSpot(HintSpot::Core);
        cores_[n]->onMouseUp = [this, n](int, int, Qt::MouseButton) { CoreMouseUp(n); };
    }
}

void KeyBox::drawCorePictures() {
    const RotorSeries serie = session_.machine().settings.Serie;
    for (int n = 1; n <= 10; ++n) {
        DrawCorePicture(cores_[n]->image(), n, serie);
        cores_[n]->update();
    }
}

// Body n is drawn as it comes out of the box: ring at 1, standing at its own number.
void KeyBox::drawBodies() {
    const RotorStack& rotors = session_.machine().rotors;
    for (int n = 1; n <= 10; ++n) {
        RotorState basic{n, n, 1, n, 1, 1};
        const QImage strip = BuildRotorStrip(basic, rotors.Pins(), rotors.LoadedSeries());
        CopyAll(bodies_[n]->image(), 0, 0, RenderRotorView(strip, n, false));
        bodies_[n]->update();
    }
}

void KeyBox::MachineOpened() {
    drawCorePictures();
    box_->show();
}

void KeyBox::MachineClosed() {
    box_->hide();
    tray_->hide();
}

// New wiring: every rotor's ring, the bodies in the box and the cores in the tray redrawn.
// The rotor strips of the stack follow the series on the window's side, box or no box.
void KeyBox::SeriesChanged() {
    drawBodies();
    drawCorePictures();
}

void KeyBox::BodyMouseUp(int body) {
    session_.TakeBody(body);
}

void KeyBox::CoreMouseUp(int core) {
    session_.TakeCore(core);
}

void KeyBox::DotMouseUp(int x, int y) {
    const WorkTable::FaceZone zone = face_zones::FaceZoneAt(x, y);
    if (zone != WorkTable::FaceZone::None) session_.TouchFace(zone, face_zones::FaceTurnAt(x));
}

void KeyBox::sync() {
    for (int n = 1; n <= 10; ++n) {
        bodies_[n]->setVisible(work_.BodyShown(n));
        cores_[n]->setVisible(work_.CoreShown(n));
    }
    dot_->setVisible(work_.Assembling());
    if (work_.Assembling()) DrawFace();
    tray_->setVisible(work_.TrayShown() && !session_.machine().state.MachineClosed);
    const int columns = session_.machine().settings.Machine == Model::Q417_3MR ? 8 : 10;
    DrawKeyTable(kt_image_->image(), work_.table, columns);
    DrawKeyTableLabels(kt_image_->image());
    kt_image_->update();
    UpdateSaveButton();
    DrawTitle();
}

void KeyBox::DrawFace() {
    if (work_.CoreInserted) {
        const FaceCore core{work_.SelectedCore, work_.EditCoreSide, work_.EditCoreSetting,
                            session_.machine().settings.Serie};
        DrawFaceWithCore(dot_->image(), work_.EditRingSetting, core);
    } else {
        DrawFaceEmpty(dot_->image(), work_.EditRingSetting);
    }
    dot_->update();
}

void KeyBox::UpdateSaveButton() {
    if (buttons_[1]) buttons_[1]->setEnabled(work_.SaveEnabled());
}

void KeyBox::Report(const QString& message) {
    window_.reportError(message);
}

}  // namespace q417
