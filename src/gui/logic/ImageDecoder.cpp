#include "gui/logic/ImageDecoder.h"

#include <jpeglib.h>
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {
DecodedImage decodePng(const std::string& path) {
    DecodedImage image;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return image;
    png.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&png);
        return image;
    }
    image.width = png.width;
    image.height = png.height;
    image.pixels = std::move(pixels);
    return image;
}

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
};

// libjpeg reports a fatal error by calling this, which must not return.
void leaveDecoding(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->escape, 1); }

// No object with a destructor lives across the setjmp: the jump skips them.
bool decodeJpegInto(std::FILE* file, DecodedImage* image) {
    jpeg_decompress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = leaveDecoding;
    errors.manager.output_message = [](j_common_ptr) {};
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;  // libjpeg-turbo writes the alpha byte as 255
    jpeg_start_decompress(&info);
    image->width = info.output_width;
    image->height = info.output_height;
    image->pixels.resize(static_cast<size_t>(info.output_width) * info.output_height * 4);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->pixels.data() + static_cast<size_t>(info.output_scanline) * info.output_width * 4;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}
}  // namespace

DecodedImage decodeImageFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return DecodedImage{};
    unsigned char signature[8] = {};
    const size_t got = std::fread(signature, 1, sizeof signature, file);
    DecodedImage image;
    if (got == 8 && png_sig_cmp(signature, 0, 8) == 0) {
        std::fclose(file);
        return decodePng(path);
    }
    if (got >= 3 && signature[0] == 0xFF && signature[1] == 0xD8 && signature[2] == 0xFF) {
        std::rewind(file);
        if (!decodeJpegInto(file, &image)) image = DecodedImage{};
    }
    std::fclose(file);
    return image;
}
