#include "app/qt/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace q417 {

namespace {

// libjpeg reports a fatal error by calling error_exit, which by default ends the process.
// This manager jumps back to the decoder instead, which then gives up on the picture.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr) {}  // warnings of a slightly odd file are not worth a word

// Everything touched after setjmp lives here, outside the jumping function's locals.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager err{};
    QImage image;
};

bool Run(Decoder& d, const QByteArray& data) {
    if (setjmp(d.err.jump)) return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.info, TRUE);
    d.info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d.info);
    if (d.info.output_components != 3) return false;
    d.image = QImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height),
                     QImage::Format_RGB888);
    if (d.image.isNull()) return false;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = d.image.scanLine(static_cast<int>(d.info.output_scanline));
        jpeg_read_scanlines(&d.info, &row, 1);
    }
    jpeg_finish_decompress(&d.info);
    // A file cut short or with damaged data decodes with warnings into a grey or smeared
    // picture; such a picture is not shown.
    return d.err.base.num_warnings == 0;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty()) return {};
    Decoder d;
    d.info.err = jpeg_std_error(&d.err.base);
    d.err.base.error_exit = OnError;
    d.err.base.output_message = OnMessage;
    const bool ok = Run(d, data);
    jpeg_destroy_decompress(&d.info);
    if (!ok) return {};
    return d.image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace q417
