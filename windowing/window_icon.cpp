#include "windowing/window_icon.h"

#include <GLFW/glfw3.h>

const unsigned char kWindowIconColumns[kWindowIconSize * kWindowIconSize * 4] = {
#include "windowing/window_icon_table.inc"
};

std::vector<unsigned char> iconRowsFromColumns(const unsigned char* columns) {
    std::vector<unsigned char> rows;
    rows.reserve(kWindowIconSize * kWindowIconSize * 4);
    for (int column = 0; column < kWindowIconSize; ++column) {
        for (int row = 0; row < kWindowIconSize; ++row) {
            const unsigned char* pixel = columns + (row * kWindowIconSize + column) * 4;
            rows.insert(rows.end(), pixel, pixel + 4);
        }
    }
    return rows;
}

void setWindowIcon(GLFWwindow* window) {
    std::vector<unsigned char> pixels = iconRowsFromColumns(kWindowIconColumns);
    GLFWimage image{kWindowIconSize, kWindowIconSize, pixels.data()};
    glfwSetWindowIcon(window, 1, &image);
}
