// SPDX-License-Identifier: MIT
// Any bytes given to the WAV reader of the button's hover sound: refused, or PCM whose
// format is one the player can hand to ALSA and whose samples lie inside the input,
// right after their "data" chunk header, cut to whole frames.
#include "wavreader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_wav: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto pcm = qev::ParseWav({data, size});
    if (!pcm)
        return 0;
    if (pcm->channels < 1 || pcm->channels > 2)
        Fail("channel count out of range");
    if (pcm->bitsPerSample != 8 && pcm->bitsPerSample != 16)
        Fail("sample width out of range");
    if (pcm->sampleRate < 1 || pcm->sampleRate > 384000)
        Fail("sample rate out of range");
    if (pcm->samples.size() % static_cast<std::size_t>(pcm->frameBytes()) != 0)
        Fail("samples not cut to whole frames");
    if (pcm->frames() * static_cast<std::size_t>(pcm->frameBytes()) != pcm->samples.size())
        Fail("frame count disagrees with the sample bytes");

    // The samples are a window into the input, preceded by their chunk's header.
    const std::uint8_t* begin = pcm->samples.data();
    const std::size_t offset = static_cast<std::size_t>(begin - data);
    if (begin < data + 20 || offset > size || pcm->samples.size() > size - offset)
        Fail("samples outside the input");
    if (std::memcmp(begin - 8, "data", 4) != 0)
        Fail("samples do not follow a data chunk header");
    const std::size_t declared = std::size_t(begin[-4]) | std::size_t(begin[-3]) << 8 | std::size_t(begin[-2]) << 16 |
                                 std::size_t(begin[-1]) << 24;
    const std::size_t available = size - offset;
    const std::size_t whole = std::min(declared, available);
    if (pcm->samples.size() != whole - whole % static_cast<std::size_t>(pcm->frameBytes()))
        Fail("sample length is not the declared length cut to the input and to whole frames");

    // Touch every sample byte, as the player will.
    unsigned sum = 0;
    for (const std::uint8_t b : pcm->samples)
        sum += b;
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
