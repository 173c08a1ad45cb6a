#pragma once

// The About window's look as data, so that every user-interface layer draws the same window.
// Positions are in client coordinates; the window's size is its outer size where the layer draws
// a frame of its own, its client size where it does not.
namespace about {

struct Box {
    int x;
    int y;
    int width;
    int height;
};

struct Rgb {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};

// Heights and widths in CreateFontA's logical units, which are pixels here.
struct Font {
    int height;
    int width;
    int weight;
    bool underline;
};

constexpr int kWidth = 400;
constexpr int kHeight = 300;

constexpr Box kProductName{100, 20, 280, 20};
constexpr Box kAboutText{20, 150, 380, 80};
constexpr Box kLinkButton{150, 210, 100, 32};
constexpr int kPictureX = 142;
constexpr int kPictureY = 55;

constexpr int kProductNameId = 30;
// The about text and the button share an id; only the button sends commands.
constexpr int kAboutTextId = 10;
constexpr int kLinkButtonId = 10;

constexpr Rgb kBackground{177, 232, 179};
constexpr Rgb kProductNameColour{0, 0, 0};
constexpr Rgb kTextColour{0, 51, 255};

constexpr const char* kFontFace = "Arial";
constexpr Font kBodyFont{16, 6, 400, false};
constexpr Font kHeadingFont{18, 8, 700, true};

} // namespace about
