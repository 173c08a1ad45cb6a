#include "windowing/preview_window.h"

#define GLFW_EXPOSE_NATIVE_WIN32
#include "windowing/glfw_adopt.h"
#include "windowing/held_errors.h"

namespace {

constexpr wchar_t kPreviewClassName[] = L"EmberveilPreview";

// A window of the saver's own process that covers the parent's client area. Disabled, so that
// clicks and keys stay with the parent's owner: the preview is only a picture.
HWND createPreviewChild(HWND parent) {
    RECT client{};
    if (!GetClientRect(parent, &client)) {
        return nullptr;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kPreviewClassName;
    // A class that is already registered serves as well.
    RegisterClassExW(&windowClass);
    return CreateWindowExW(WS_EX_NOPARENTNOTIFY, kPreviewClassName, L"",
                           WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS, 0, 0,
                           client.right - client.left, client.bottom - client.top, parent, nullptr,
                           instance, nullptr);
}

} // namespace

// The settings dialog's pane belongs to another process, which no context can be made on and
// whose procedure cannot be replaced. The pane itself is tried first all the same, since a parent
// in this process can be adopted; otherwise a child window of the saver's own carries the
// context.
GLFWwindow* adoptPreviewWindow(platform::NativeWindowHandle parent) {
    HWND parentWindow = reinterpret_cast<HWND>(parent);
    windowing::HeldErrors errors;
    GLFWwindow* window = glfwAdoptNativeWindow(parentWindow, nullptr);
    if (window == nullptr) {
        HWND child = createPreviewChild(parentWindow);
        if (child != nullptr) {
            window = glfwAdoptNativeWindow(child, nullptr);
            if (window == nullptr) {
                DestroyWindow(child);
            }
        }
    }
    // The first attempt's errors do not matter once the second has made it good; when both fail,
    // they all go on.
    if (window != nullptr) {
        errors.forget();
    }
    return window;
}
