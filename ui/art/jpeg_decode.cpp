#include "ui/art/art.h"

#include <csetjmp>
#include <cstdio>

// After <cstdio>: the library header uses FILE and size_t without declaring them.
#include <jpeglib.h>

namespace ui::art {

namespace {

// Larger pictures than this are refused rather than allocated: a damaged header can claim
// up to 65500 x 65500 pixels, and everything this program shows is tiny.
constexpr JDIMENSION kMaxSide = 8192;

struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
};

// libjpeg's own handler ends the process; this one returns to DecodeInto instead.
[[noreturn]] void LeaveDecoder(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings (level -1) mean damaged data, such as a premature end of the file, which
// libjpeg would paper over with grey; treat them as failures. Trace messages are dropped.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) {
        LeaveDecoder(info);
    }
}

void Silent(j_common_ptr) {}

// Everything libjpeg touches lives in the caller's frame, so nothing here needs unwinding
// when LeaveDecoder jumps back. Objects built inside this function are gone before any call
// that may jump.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager error{};
};

bool DecodeInto(Decoder* decoder, const unsigned char* data, unsigned long size, QImage* image) {
    decoder->info.err = jpeg_std_error(&decoder->error.base);
    decoder->error.base.error_exit = LeaveDecoder;
    decoder->error.base.emit_message = OnMessage;
    decoder->error.base.output_message = Silent;
    if (setjmp(decoder->error.jump) != 0) {
        jpeg_destroy_decompress(&decoder->info);
        return false;
    }

    jpeg_create_decompress(&decoder->info);
    jpeg_mem_src(&decoder->info, data, size);
    jpeg_read_header(&decoder->info, TRUE);
    if (decoder->info.image_width > kMaxSide || decoder->info.image_height > kMaxSide) {
        jpeg_destroy_decompress(&decoder->info);
        return false;
    }
    decoder->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder->info);

    *image = QImage(static_cast<int>(decoder->info.output_width),
                    static_cast<int>(decoder->info.output_height), QImage::Format_RGB888);
    if (image->isNull() || decoder->info.output_components != 3) {
        jpeg_destroy_decompress(&decoder->info);
        return false;
    }
    while (decoder->info.output_scanline < decoder->info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(decoder->info.output_scanline));
        jpeg_read_scanlines(&decoder->info, &row, 1);
    }
    jpeg_finish_decompress(&decoder->info);
    jpeg_destroy_decompress(&decoder->info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& jfif) {
    if (jfif.isEmpty()) {
        return {};
    }
    Decoder decoder;
    QImage image;
    if (!DecodeInto(&decoder, reinterpret_cast<const unsigned char*>(jfif.constData()),
                    static_cast<unsigned long>(jfif.size()), &image)) {
        return {};
    }
    return image;
}

} // namespace ui::art
