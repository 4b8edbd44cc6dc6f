#include "app/qt/qt_sound_player.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <stdexcept>

#include "app/qt/sound/sound_module.h"
#include "ui/sprites.h"
#include "core/settings.h"

namespace q417 {

namespace {

uint32_t Le32(const QByteArray& b, int at) {
    if (at + 4 > b.size()) return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24);
}

// The sound module beside the program (a build) or in the program's private folder under
// libexec (an installed copy).
std::unique_ptr<QLibrary> LoadSoundModule() {
    const QDir program(QCoreApplication::applicationDirPath());
    for (const QString& dir : {QStringLiteral("."), QStringLiteral(Q417_SOUND_MODULE_DIR)}) {
        auto module = std::make_unique<QLibrary>(program.filePath(dir + "/q417-sound"));
        if (module->load()) return module;
    }
    return nullptr;
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

QtSoundPlayer::~QtSoundPlayer() {
    if (effects_ && close_) close_(effects_);
}

void QtSoundPlayer::LoadSounds() {
    step_ = Sprites::Bytes("SOUND1.wav");
    if (step_.isEmpty()) throw std::runtime_error("Sound 1 not loaded");
    click_ = Sprites::Bytes("SOUND2.wav");
    if (click_.isEmpty()) throw std::runtime_error("Sound 2 not loaded");
    step_ms_ = WavDurationMs(step_);
    if (step_ms_ <= 0) step_ms_ = 15;
}

// The back end plays files; the embedded images are written once to a private folder.
bool QtSoundPlayer::Prepare() {
    if (prepared_) return usable_;
    prepared_ = true;
    if (step_.isEmpty() || click_.isEmpty()) return false;
    module_ = LoadSoundModule();
    if (!module_) return false;  // no back end: stay silent
    const auto open = reinterpret_cast<Q417SoundOpen>(module_->resolve("q417_sound_open"));
    play_ = reinterpret_cast<Q417SoundPlay>(module_->resolve("q417_sound_play"));
    close_ = reinterpret_cast<Q417SoundClose>(module_->resolve("q417_sound_close"));
    if (!open || !play_ || !close_) return false;
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid()) return false;
    const QByteArray* data[3] = {nullptr, &step_, &click_};
    QByteArray paths[3];
    for (int which = 1; which <= 2; ++which) {
        const QString path = dir_->filePath(QStringLiteral("sound%1.wav").arg(which));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(*data[which]) != data[which]->size())
            return false;
        paths[which] = QFile::encodeName(path);
    }
    effects_ = open(paths[1].constData(), paths[2].constData());
    usable_ = effects_ != nullptr;  // no sound device: stay silent
    return usable_;
}

void QtSoundPlayer::Play(int which) {
    if (!Prepare()) return;
    play_(effects_, which);
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

}  // namespace q417
