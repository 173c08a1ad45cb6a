#include "windowing/preview_window.h"

#define GLFW_EXPOSE_NATIVE_WIN32
#include "windowing/glfw_adopt.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// Errors of an attempt that another attempt may still make good: kept back while it runs, and
// passed on to the error callback that was installed before only if every attempt fails.
class HeldErrors {
  public:
    HeldErrors() : previous(glfwSetErrorCallback(hold)) {}
    ~HeldErrors() { glfwSetErrorCallback(previous); }

    HeldErrors(const HeldErrors&) = delete;
    HeldErrors& operator=(const HeldErrors&) = delete;

    void passOn() {
        for (const auto& [code, description] : held) {
            if (previous != nullptr) {
                previous(code, description.c_str());
            }
        }
        held.clear();
    }

  private:
    static void hold(int code, const char* description) {
        held.emplace_back(code, description != nullptr ? description : "");
    }

    static std::vector<std::pair<int, std::string>> held;
    GLFWerrorfun previous;
};

std::vector<std::pair<int, std::string>> HeldErrors::held;

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
    HeldErrors errors;
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
    if (window == nullptr) {
        errors.passOn();
    }
    return window;
}
