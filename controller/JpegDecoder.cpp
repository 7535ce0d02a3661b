#include "controller/JpegDecoder.h"

#include "app/QlError.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// libjpeg's default handler exits the process: jump back to the decoder instead.
[[noreturn]] void JumpOnError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (such as premature end of data) are treated as errors: a damaged
// picture is refused rather than shown half grey.
void FailOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        JumpOnError(info);
}

// Runs the libjpeg calls; holds no C++ objects with destructors across setjmp.
// Returns false with `errors.message` set when libjpeg reported an error.
bool DecodeInto(const unsigned char *data, unsigned long size, QImage *image,
                ErrorManager &errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = FailOnWarning;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(errors.message, sizeof errors.message, "picture too large");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

namespace JpegDecoder {

QImage Decode(const QByteArray &jpeg)
{
    if (jpeg.isEmpty())
        throw QlError(QStringLiteral("Cannot decode JPEG picture: no data"));
    QImage image;
    ErrorManager errors;
    if (!DecodeInto(reinterpret_cast<const unsigned char *>(jpeg.constData()),
                    static_cast<unsigned long>(jpeg.size()), &image, errors))
        throw QlError(QStringLiteral("Cannot decode JPEG picture: %1")
                          .arg(QString::fromLocal8Bit(errors.message)));
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace JpegDecoder
