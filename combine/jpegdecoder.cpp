// SPDX-License-Identifier: MIT
#include "jpegdecoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace kolvane {
namespace {

constexpr long MaxJpegMemory = 64L * 1024 * 1024;

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void OnFatalError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->escape, 1);
}

// Warnings (such as a premature end of data, which libjpeg pads with a fake end
// marker and decodes as grey) mean the picture is damaged: treat them as fatal
// too, so a truncated file never passes for a good one.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0)
        OnFatalError(info);
}

void Silent(j_common_ptr) {}

// Everything that must survive the longjmp lives outside the function that calls
// setjmp, so no local object with a destructor is skipped and nothing leaks.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage image;

    bool run(const uchar* data, unsigned long size)
    {
        info.err = jpeg_std_error(&errors.base);
        errors.base.error_exit = OnFatalError;
        errors.base.emit_message = OnMessage;
        errors.base.output_message = Silent;
        if (setjmp(errors.escape)) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        jpeg_create_decompress(&info);
        // A forged header can ask for huge coefficient buffers (progressive files
        // keep the whole picture); past this budget libjpeg fails instead.
        info.mem->max_memory_to_use = MaxJpegMemory;
        jpeg_mem_src(&info, data, size);
        jpeg_read_header(&info, TRUE);
        if (info.image_width == 0 || info.image_height == 0 || info.image_width > MaxJpegSide ||
            info.image_height > MaxJpegSide) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        // RGB output also turns greyscale and YCbCr pictures into the one layout.
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        if (info.output_components != 3) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        image =
            QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
        if (image.isNull()) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        return true;
    }
};

} // namespace

QImage DecodeJpeg(const uchar* data, qsizetype size)
{
    // libjpeg reports an empty source as an error too, but an empty or null buffer
    // is refused here before it reaches the library.
    if (data == nullptr || size <= 0 || static_cast<unsigned long long>(size) > 0xFFFFFFFFULL)
        return {};
    Decoder decoder;
    if (!decoder.run(data, static_cast<unsigned long>(size)))
        return {};
    return decoder.image;
}

QImage DecodeJpeg(QByteArrayView data)
{
    return DecodeJpeg(reinterpret_cast<const uchar*>(data.data()), data.size());
}

} // namespace kolvane
