// SPDX-License-Identifier: MIT
#include "soundplayer.h"

#include "wavreader.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <cstdarg>
#include <thread>

namespace qev {

namespace {

// ALSA reports missing cards on stderr by default; the button must stay silent.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

struct PcmCloser {
    snd_pcm_t* pcm = nullptr;
    ~PcmCloser()
    {
        if (pcm) {
            snd_pcm_drop(pcm);
            snd_pcm_close(pcm);
        }
    }
};

} // namespace

bool PlayWaveSync(const QByteArray& wave)
{
    const auto pcmData = ParseWav({reinterpret_cast<const std::uint8_t*>(wave.constData()), std::size_t(wave.size())});
    if (!pcmData || pcmData->frames() == 0)
        return false;

    static const bool quiet = [] {
        snd_lib_error_set_handler(&QuietAlsa);
        return true;
    }();
    Q_UNUSED(quiet);

    // The device is opened, fed and drained without ever blocking inside ALSA: a missing
    // device fails the open at once, and a stuck one runs into the deadline below.
    PcmCloser device;
    if (snd_pcm_open(&device.pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        device.pcm = nullptr;
        return false;
    }
    const snd_pcm_format_t format = pcmData->bitsPerSample == 16 ? SND_PCM_FORMAT_S16_LE : SND_PCM_FORMAT_U8;
    if (snd_pcm_set_params(device.pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED, unsigned(pcmData->channels),
                           unsigned(pcmData->sampleRate), 1, 100000) < 0)
        return false;

    using Clock = std::chrono::steady_clock;
    const auto length = std::chrono::milliseconds(std::int64_t(pcmData->frames()) * 1000 / pcmData->sampleRate);
    const auto deadline = Clock::now() + length + std::chrono::milliseconds(500);
    const auto msLeft = [&] {
        return int(std::max<std::int64_t>(
            0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count()));
    };

    const std::uint8_t* data = pcmData->samples.data();
    snd_pcm_uframes_t left = pcmData->frames();
    const int frameBytes = pcmData->frameBytes();
    while (left > 0) {
        const snd_pcm_sframes_t written = snd_pcm_writei(device.pcm, data, left);
        if (written == -EAGAIN) {
            if (msLeft() == 0)
                return false;
            snd_pcm_wait(device.pcm, std::min(msLeft(), 50));
            continue;
        }
        if (written < 0) {
            if (snd_pcm_recover(device.pcm, int(written), 1) < 0 || msLeft() == 0)
                return false;
            continue;
        }
        data += written * frameBytes;
        left -= snd_pcm_uframes_t(written);
    }
    // In non-blocking mode drain only starts the draining; the state says when the
    // last sample has been played.
    int rc = snd_pcm_drain(device.pcm);
    while (rc == -EAGAIN || snd_pcm_state(device.pcm) == SND_PCM_STATE_DRAINING) {
        if (msLeft() == 0)
            return false;
        // While draining, poll may report ready at once; a short sleep keeps this from spinning.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        rc = 0;
    }
    return true;
}

} // namespace qev
