// SPDX-License-Identifier: MIT
#include "wavreader.h"

#include <algorithm>

namespace qev {

namespace {

std::uint32_t U32(const std::uint8_t* p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

std::uint16_t U16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | p[1] << 8);
}

bool TagIs(const std::uint8_t* p, const char (&tag)[5])
{
    return p[0] == std::uint8_t(tag[0]) && p[1] == std::uint8_t(tag[1]) && p[2] == std::uint8_t(tag[2]) &&
           p[3] == std::uint8_t(tag[3]);
}

} // namespace

std::optional<WavPcm> ParseWav(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 12 || !TagIs(bytes.data(), "RIFF") || !TagIs(bytes.data() + 8, "WAVE"))
        return std::nullopt;
    // The RIFF size may lie; the buffer's own length is the bound that counts.
    const std::size_t end = bytes.size();
    std::size_t pos = 12;
    bool haveFormat = false;
    WavPcm pcm;
    while (end - pos >= 8) {
        const std::uint8_t* chunk = bytes.data() + pos;
        const std::size_t size = U32(chunk + 4);
        const std::size_t body = pos + 8;
        const std::size_t available = end - body;
        if (TagIs(chunk, "fmt ")) {
            if (size < 16 || available < 16)
                return std::nullopt;
            const std::uint8_t* f = bytes.data() + body;
            const int format = U16(f);
            pcm.channels = U16(f + 2);
            pcm.sampleRate = int(std::min<std::uint32_t>(U32(f + 4), 0x7FFFFFFF));
            const int blockAlign = U16(f + 12);
            pcm.bitsPerSample = U16(f + 14);
            if (format != 1 || pcm.channels < 1 || pcm.channels > 2 ||
                (pcm.bitsPerSample != 8 && pcm.bitsPerSample != 16) || pcm.sampleRate < 1 || pcm.sampleRate > 384000 ||
                blockAlign != pcm.frameBytes())
                return std::nullopt;
            haveFormat = true;
        } else if (TagIs(chunk, "data")) {
            if (!haveFormat)
                return std::nullopt;
            std::size_t length = std::min(size, available);
            length -= length % std::size_t(pcm.frameBytes());
            pcm.samples = bytes.subspan(body, length);
            return pcm;
        }
        if (size > available)
            return std::nullopt;
        // Chunks are padded to an even length.
        const std::size_t next = size + (size & 1);
        if (next > available)
            return std::nullopt;
        pos = body + next;
    }
    return std::nullopt;
}

} // namespace qev
