// SPDX-License-Identifier: MIT
// Reads the PCM samples out of a RIFF/WAVE file held in memory. Pure and bounded: any
// byte string is safe input, and a malformed one gives no result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qev {

struct WavPcm {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0; // 8 (unsigned) or 16 (signed, little-endian)
    // The sample bytes inside the given buffer, cut to whole frames.
    std::span<const std::uint8_t> samples;

    int frameBytes() const { return channels * bitsPerSample / 8; }
    std::size_t frames() const { return samples.size() / std::size_t(frameBytes()); }
};

// Accepts uncompressed PCM with 1 or 2 channels, 8 or 16 bits, 1 Hz to 384 kHz.
// A data chunk that claims more bytes than the buffer holds is cut to what is there.
std::optional<WavPcm> ParseWav(std::span<const std::uint8_t> bytes);

} // namespace qev
