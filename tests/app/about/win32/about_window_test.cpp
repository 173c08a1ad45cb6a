#include "app/about/about_window.h"
#include "tests/support/win32/modal_box.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

namespace {

// Fonts are GDI objects of the process that made them, so they are read here, in-process.
std::string describeFont(HWND control) {
    LOGFONTA font{};
    HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
    if (handle == nullptr || GetObjectA(handle, sizeof font, &font) == 0) {
        return "none";
    }
    char text[128];
    std::snprintf(text, sizeof text, "%ld %ld %ld italic %d underline %d %d %d %d %d %d %s",
                  font.lfHeight, font.lfWidth, font.lfWeight, font.lfItalic, font.lfUnderline,
                  font.lfCharSet, font.lfOutPrecision, font.lfClipPrecision, font.lfQuality,
                  font.lfPitchAndFamily, font.lfFaceName);
    return text;
}

TEST(AboutWindowTest, TextsAndButtonDrawWithTheBodyAndHeadingFonts) {
    AboutWindow about("About", "AboutWindowTestClass", "Visit website", "Lines", "Product");
    std::vector<std::string> fonts;
    // The window runs on this thread, as in start-up; a second thread waits for it to show, reads
    // the controls' fonts and closes it.
    std::thread inspector([&] {
        HWND window = nullptr;
        for (int i = 0; i < 400 && (window == nullptr || !IsWindowVisible(window)); ++i) {
            Sleep(25);
            window = FindWindowA(about.windowClassName.c_str(), nullptr);
        }
        for (HWND control = GetWindow(window, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            fonts.push_back(describeFont(control));
        }
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    about.run(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    inspector.join();
    // In the order of creation: the about text, the product name, the button.
    const std::string body = "16 6 400 italic 0 underline 0 1 8 0 5 2 Arial";
    const std::string heading = "18 8 700 italic 0 underline 1 1 8 0 5 2 Arial";
    EXPECT_EQ(fonts, (std::vector<std::string>{body, heading, body}));
}

TEST(AboutWindowTest, ClassThatCannotBeRegisteredWarnsTwiceAndReturns) {
    // Class names are atoms of at most 255 characters: this class cannot be registered, so no
    // window of it can be created either.
    AboutWindow about("About", std::string(300, 'x'), "Visit website", "", "");
    std::vector<std::string> shown;
    std::thread answerer([&] {
        ModalBox box;
        while (shown.size() < 2 && answerModalBox(10000, &box)) {
            shown.push_back(box.caption + ": " + box.text);
        }
    });
    about.run(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    answerer.join();
    EXPECT_EQ(shown, (std::vector<std::string>{"Error!: Window Registration Failed!",
                                               "Error!: Window Creation Failed!"}));
}

} // namespace
