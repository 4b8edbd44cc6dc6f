#include "app/qt/qt_sound_player.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <stdexcept>

#include "app/qt/sprites.h"
#include "core/settings.h"

namespace q417 {

namespace {

uint32_t Le32(const QByteArray& b, int at) {
    if (at + 4 > b.size()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

// Asks for a sound device without letting the audio system print its complaints about a
// missing sound server: a machine without sound simply stays silent.
bool HasAudioOutput() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtDebugMsg || type == QtFatalMsg) previous(type, context, message);
        });
    const bool any = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    return any;
}

}  // namespace

int WavDurationMs(const QByteArray& wav) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return 0;
    uint32_t byteRate = 0;
    for (int at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const uint32_t size = Le32(wav, at + 4);
        if (id == "fmt ") byteRate = Le32(wav, at + 16);
        if (id == "data" && byteRate > 0) return static_cast<int>(size * 1000ull / byteRate);
        if (size > uint32_t(wav.size())) break;
        at += 8 + static_cast<int>(size) + (size & 1);
    }
    return 0;
}

QtSoundPlayer::QtSoundPlayer(const MachineSettings& settings) : settings_(settings) {}

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::LoadSounds() {
    step_ = Sprites::Bytes("SOUND1.wav");
    if (step_.isEmpty()) throw std::runtime_error("Sound 1 not loaded");
    click_ = Sprites::Bytes("SOUND2.wav");
    if (click_.isEmpty()) throw std::runtime_error("Sound 2 not loaded");
    step_ms_ = WavDurationMs(step_);
    if (step_ms_ <= 0) step_ms_ = 15;
}

// QSoundEffect plays files; the embedded images are written once to a private folder.
bool QtSoundPlayer::Prepare() {
    if (prepared_) return usable_;
    prepared_ = true;
    if (step_.isEmpty() || click_.isEmpty()) return false;
    if (!HasAudioOutput()) return false;  // no device: stay silent
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) return false;
    const QByteArray* data[3] = {nullptr, &step_, &click_};
    for (int which = 1; which <= 2; ++which) {
        const QString path = dir_->filePath(QStringLiteral("sound%1.wav").arg(which));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*data[which]) != data[which]->size())
            return false;
        file.close();
        effects_[which] = std::make_unique<QSoundEffect>();
        effects_[which]->setSource(QUrl::fromLocalFile(path));
    }
    usable_ = true;
    return true;
}

void QtSoundPlayer::Play(int which) {
    if (!Prepare()) return;
    effects_[3 - which]->stop();  // a new sound cuts off the other one
    effects_[which]->stop();
    effects_[which]->play();
}

void QtSoundPlayer::PlayClick() {
    if (!settings_.Sound) return;
    ++clicks_;
    Play(2);
}

void QtSoundPlayer::PlayStep() {
    if (!settings_.Sound) return;
    ++steps_;
    Play(1);
}

void QtSoundPlayer::PlayStepToEnd() {
    if (!settings_.Sound) return;
    PlayStep();
    // The feed waits for the step to end; the window keeps handling its events meanwhile.
    QEventLoop wait;
    QTimer::singleShot(step_ms_, &wait, &QEventLoop::quit);
    wait.exec();
}

}  // namespace q417
