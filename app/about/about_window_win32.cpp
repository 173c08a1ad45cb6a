#include "app/about/about_window.h"

#include "app/about/about_layout.h"
#include "app/about/about_texts.h"
#include "platform/message_box.h"
#include "resources/resource_ids.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

namespace {

// Shared by run and the window procedure, which Windows calls without any object.
HWND aboutWindow = nullptr;
HWND productNameStatic = nullptr;
HBITMAP picture = nullptr;
HBRUSH backgroundBrush = nullptr;

// The class icon: user32's information icon.
constexpr int kUser32IconId = 104;

COLORREF colour(about::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HFONT createFont(about::Font font) {
    return CreateFontA(font.height, font.width, 0, 0, font.weight, FALSE, font.underline, FALSE,
                       DEFAULT_CHARSET, OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       VARIABLE_PITCH, about::kFontFace);
}

HWND createControl(const char* windowClass, const char* text, DWORD style, about::Box box, int id,
                   HINSTANCE instance) {
    return CreateWindowExA(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, box.x, box.y,
                           box.width, box.height, aboutWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void setFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, colour(about::kBackground));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, picture);
    BITMAP size{};
    GetObjectA(picture, sizeof size, &size);
    BitBlt(dc, about::kPictureX, about::kPictureY, size.bmWidth, size.bmHeight, memory, 0, 0,
           SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    EndPaint(window, &paint);
}

LRESULT CALLBACK aboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (backgroundBrush == nullptr) {
        backgroundBrush = CreateSolidBrush(colour(about::kBackground));
    }
    switch (message) {
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        bool productName = reinterpret_cast<HWND>(lParam) == productNameStatic;
        SetTextColor(dc, colour(productName ? about::kProductNameColour : about::kTextColour));
        SetBkColor(dc, colour(about::kBackground));
        return reinterpret_cast<LRESULT>(backgroundBrush);
    }
    case WM_COMMAND:
        // Exactly the button's id with notification 0: a click. The statics send nothing.
        if (wParam == about::kLinkButtonId) {
            ShellExecuteA(window, "open", kAboutLink, nullptr, nullptr, SW_SHOWNORMAL);
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        DeleteObject(picture);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void registerWindowClass(HINSTANCE instance, const std::string& className) {
    HANDLE icon = LoadImageA(GetModuleHandleA("user32.dll"), MAKEINTRESOURCEA(kUser32IconId),
                             IMAGE_ICON, 16, 16, LR_SHARED);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = aboutWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = static_cast<HICON>(icon);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassA(&windowClass) == 0) {
        platform::showMessageBox("Window Registration Failed!", "Error!",
                                 platform::MessageIcon::Warning);
    }
}

// Halved in double precision and truncated toward zero: an odd difference drops its half pixel,
// and a screen narrower than the window gives a negative position.
POINT centredOnScreen() {
    HDC screen = GetDC(nullptr);
    int screenWidth = GetDeviceCaps(screen, HORZRES);
    int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    return {static_cast<int>((screenWidth - about::kWidth) * 0.5),
            static_cast<int>((screenHeight - about::kHeight) * 0.5)};
}

// The statics take their instance from the About window, the button the program's own.
void createControls(HINSTANCE instance, const AboutWindow& texts) {
    HFONT bodyFont = createFont(about::kBodyFont);
    HFONT headingFont = createFont(about::kHeadingFont);
    HINSTANCE windowInstance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(aboutWindow, GWLP_HINSTANCE));

    HWND aboutStatic = createControl("static", nullptr, WS_TABSTOP, about::kAboutText,
                                     about::kAboutTextId, windowInstance);
    SetWindowTextA(aboutStatic, texts.aboutText.c_str());
    setFont(aboutStatic, bodyFont);

    productNameStatic = createControl("static", nullptr, WS_TABSTOP, about::kProductName,
                                      about::kProductNameId, windowInstance);
    SetWindowTextA(productNameStatic, texts.productName.c_str());
    setFont(productNameStatic, headingFont);

    HWND linkButton = createControl("BUTTON", texts.linkCaption.c_str(), 0, about::kLinkButton,
                                    about::kLinkButtonId, instance);
    setFont(linkButton, bodyFont);
}

} // namespace

void AboutWindow::run(platform::AppInstance appInstance, int showCommand) {
    HINSTANCE instance = static_cast<HINSTANCE>(appInstance);
    registerWindowClass(instance, windowClassName);

    // Before the screen is measured, so that its size is in physical pixels.
    SetProcessDPIAware();
    POINT position = centredOnScreen();
    aboutWindow = CreateWindowExA(0, windowClassName.c_str(), caption.c_str(), WS_SYSMENU,
                                  position.x, position.y, about::kWidth, about::kHeight, nullptr,
                                  nullptr, instance, nullptr);
    if (aboutWindow == nullptr) {
        // Without a window nothing could ever end the message loop.
        platform::showMessageBox("Window Creation Failed!", "Error!",
                                 platform::MessageIcon::Warning);
        return;
    }

    picture = static_cast<HBITMAP>(
        LoadImageA(instance, MAKEINTRESOURCEA(RES_ABOUT_PICTURE), IMAGE_BITMAP, 0, 0, LR_SHARED));
    createControls(instance, *this);
    ShowWindow(aboutWindow, showCommand);
    UpdateWindow(aboutWindow);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
