#include "tests/picture/png_reader.h"

#include <png.h>

RgbImage readRgbPng(const std::string& path) {
    RgbImage image;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0) {
        return image;
    }
    bool plainRgb = png.format == PNG_FORMAT_RGB;
    png.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(png));
    if (!plainRgb || png_image_finish_read(&png, nullptr, pixels.data(), 0, nullptr) == 0) {
        png_image_free(&png);
        return image;
    }
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.pixels = std::move(pixels);
    return image;
}
