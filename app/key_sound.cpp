#include "app/key_sound.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>
#include <array>
#include <string_view>

#include "platform/resources.h"
#include "platform/services.h"

namespace tallyx {
namespace {

constexpr std::array<std::string_view, 2> kWaveNames = {"IDR_WAVE_TICK", "IDR_WAVE_TICKSOFT"};
constexpr int kLoadPatienceMilliseconds = 1000;
constexpr int kLoadStepMilliseconds = 10;

}  // namespace

// The sound system plays files, so each wave resource is written once to a
// temporary file that lives as long as its effect.
struct KeySound::Effects {
    struct Tick {
        std::unique_ptr<QTemporaryFile> file;
        std::unique_ptr<QSoundEffect> effect;
    };
    std::array<Tick, kWaveNames.size()> ticks;

    QSoundEffect* EffectFor(std::size_t index)
    {
        Tick& tick = ticks[index];
        if (tick.effect) return tick.effect.get();
        const std::optional<std::string_view> wave = Platform().resources->Wave(kWaveNames[index]);
        if (!wave) return nullptr;
        tick.file = std::make_unique<QTemporaryFile>();
        // In the temporary folder, not wherever the program was started from.
        tick.file->setFileTemplate(QDir::tempPath() + QStringLiteral("/tallyx-tick-XXXXXX.wav"));
        if (!tick.file->open() ||
            tick.file->write(wave->data(), static_cast<qint64>(wave->size())) != static_cast<qint64>(wave->size())) {
            tick.file.reset();
            return nullptr;
        }
        tick.file->flush();
        tick.effect = std::make_unique<QSoundEffect>();
        tick.effect->setSource(QUrl::fromLocalFile(tick.file->fileName()));
        return tick.effect.get();
    }
};

KeySound::KeySound() : effects_(std::make_unique<Effects>()) {}

KeySound::~KeySound()
{
    // An effect still loading at the end would leave the sound system's loader behind.
    const QDeadlineTimer deadline(kLoadPatienceMilliseconds);
    for (auto& tick : effects_->ticks) {
        while (tick.effect && tick.effect->status() == QSoundEffect::Loading && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, kLoadStepMilliseconds);
        }
    }
}

void KeySound::Play(std::int32_t mode)
{
    if (mode != SoundTick && mode != SoundQuiet) return;
    QSoundEffect* effect = effects_->EffectFor(static_cast<std::size_t>(mode - SoundTick));
    // An effect that failed to load (no device, no decoder) stays silent.
    if (effect && effect->status() != QSoundEffect::Error) effect->play();
}

}  // namespace tallyx
