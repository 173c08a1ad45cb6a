#include "tools/render-frame/png_file.h"

#include <png.h>

#include <cstdio>

bool writePng(const std::string& path, const RgbImage& image) {
    if (image.width < 1 || image.height < 1) {
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = false;
    // libpng reports errors by longjmp; nothing with a destructor lives in this frame.
    if (info != nullptr && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(image.width),
                     static_cast<png_uint_32>(image.height), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        const png_byte* row = image.pixels.data();
        for (int y = 0; y < image.height; ++y) {
            png_write_row(png, row);
            row += static_cast<std::size_t>(image.width) * 3;
        }
        png_write_end(png, info);
        written = true;
    }
    png_destroy_write_struct(png != nullptr ? &png : nullptr, info != nullptr ? &info : nullptr);
    return std::fclose(file) == 0 && written;
}
