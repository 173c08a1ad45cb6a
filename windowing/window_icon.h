#pragma once

#include <vector>

struct GLFWwindow;

constexpr int kWindowIconSize = 64;

// The window icon as compiled in: 64 x 64 RGBA pixels listed column by column, so its first 64
// pixels are the icon's left column from top to bottom.
extern const unsigned char kWindowIconColumns[kWindowIconSize * kWindowIconSize * 4];

// Turns a column-by-column pixel table into the row-by-row order that GLFWimage expects.
std::vector<unsigned char> iconRowsFromColumns(const unsigned char* columns);

// Gives the window the compiled-in icon.
void setWindowIcon(GLFWwindow* window);
