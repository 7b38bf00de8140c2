// SPDX-License-Identifier: MIT
// Any bytes given to the diagram decoder: a null image, or an RGB picture within the
// size limit whose every row can be read. A crash, a leak, a call to exit() (libjpeg's
// default reaction to damage) or a read past the input is a finding.
// libjpeg is Debian's uninstrumented build, so coverage feedback stops at its door:
// the seeds carry the variety (baseline, progressive, greyscale, restart markers and
// 4:2:0 sampling, a cut-off file) and the mutations work around them.
#include "jpegdecoder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QImage image = kolvane::DecodeJpeg(data, static_cast<qsizetype>(size));
    if (image.isNull())
        return 0;
    const bool sane = image.format() == QImage::Format_RGB888 && image.width() >= 1 && image.height() >= 1 &&
                      image.width() <= kolvane::MaxJpegSide && image.height() <= kolvane::MaxJpegSide;
    if (!sane) {
        std::fprintf(stderr, "fuzz_jpeg: image %dx%d format %d\n", image.width(), image.height(),
                     static_cast<int>(image.format()));
        std::abort();
    }
    // Read every pixel byte, so that a buffer shorter than its rows claim shows up
    // under AddressSanitizer.
    unsigned sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width() * 3; ++x)
            sum += row[x];
    }
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
