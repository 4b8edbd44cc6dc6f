// The sound back end, built as a module of its own and loaded on the first sound: the audio
// system and its libraries are not needed to show the machine, and a machine without them
// simply stays silent.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "app/qt/sound/sound_module.h"

namespace {

// Asks for a sound device without letting the audio system print its complaints about a
// missing sound server.
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

struct Effects {
    std::unique_ptr<QSoundEffect> sound[2];
};

}  // namespace

extern "C" Q_DECL_EXPORT void* q417_sound_open(const char* stepFile, const char* clickFile) {
    if (!HasAudioOutput()) return nullptr;
    auto effects = std::make_unique<Effects>();
    const char* files[2] = {stepFile, clickFile};
    for (int i = 0; i < 2; ++i) {
        effects->sound[i] = std::make_unique<QSoundEffect>();
        effects->sound[i]->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(files[i])));
    }
    return effects.release();
}

// A new sound cuts off the one still playing.
extern "C" Q_DECL_EXPORT void q417_sound_play(void* handle, int which) {
    auto* effects = static_cast<Effects*>(handle);
    if (!effects || which < 1 || which > 2) return;
    effects->sound[2 - which]->stop();
    effects->sound[which - 1]->stop();
    effects->sound[which - 1]->play();
}

extern "C" Q_DECL_EXPORT void q417_sound_close(void* handle) {
    delete static_cast<Effects*>(handle);
}
