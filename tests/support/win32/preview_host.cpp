// Usage: preview_host
//
// Stands in for the screen-saver settings dialog: a top-level window with a 152 x 112 child pane,
// whose handle it prints in decimal as "pane <handle>". It then takes commands on standard input,
// one a line, and answers each:
//   disable  EnableWindow(pane, FALSE)             -> "disabled"
//   destroy  DestroyWindow(pane)                   -> "destroyed"
//   destroy-after-adoption <ms>
//            waits until another program starts to draw into the pane (the windowing library's
//            property on it, or a child window in it), then <ms> milliseconds, then destroys it
//                                                  -> "destroyed", or "not adopted" after 30 s
//   minimize ShowWindow(dialog, SW_MINIMIZE)       -> "minimized"
//   restore  ShowWindow(dialog, SW_RESTORE)        -> "restored"
//   check    whether the pane is as it was made    -> "pane intact" or "pane changed: <what>"
//   focus    brings the dialog to the foreground, as a program that pops up a window does
//                                                  -> "focused", or "not focused"
//   keys     how many key presses the dialog has had -> "keys <count>"
//   quit     ends the process on the spot, windows and all
// The end of input ends it as well.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr UINT kCommandMessage = WM_APP + 1;
constexpr int kPaneWidth = 152;
constexpr int kPaneHeight = 112;

HWND host = nullptr;
HWND pane = nullptr;
LONG_PTR paneProcedure = 0;
int keyPresses = 0;

LRESULT CALLBACK paneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

void reply(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

void check() {
    std::string changes;
    if (!IsWindow(pane)) {
        changes += " gone";
    } else {
        if (GetWindowLongPtrW(pane, GWLP_WNDPROC) != paneProcedure) {
            changes += " procedure";
        }
        if (GetPropW(pane, L"GLFW") != nullptr) {
            changes += " property";
        }
    }
    reply(changes.empty() ? "pane intact" : ("pane changed:" + changes).c_str());
}

void run(const std::string& command) {
    if (command == "disable") {
        EnableWindow(pane, FALSE);
        reply("disabled");
    } else if (command == "destroy") {
        DestroyWindow(pane);
        reply("destroyed");
    } else if (command == "minimize") {
        ShowWindow(host, SW_MINIMIZE);
        reply("minimized");
    } else if (command == "restore") {
        ShowWindow(host, SW_RESTORE);
        reply("restored");
    } else if (command == "check") {
        check();
    } else if (command == "focus") {
        SetForegroundWindow(host);
        SetFocus(host);
        reply(GetForegroundWindow() == host ? "focused" : "not focused");
    } else if (command == "keys") {
        reply(("keys " + std::to_string(keyPresses)).c_str());
    } else if (command == "quit") {
        ExitProcess(0);
    } else {
        reply(("unknown command: " + command).c_str());
    }
}

void post(const char* command) {
    PostMessageW(host, kCommandMessage, 0, reinterpret_cast<LPARAM>(_strdup(command)));
}

// The moment a saver starts to draw into the pane, seen by polling: no message tells its owner.
bool awaitAdoption() {
    for (int polls = 0; polls < 30000; ++polls) {
        if (GetPropW(pane, L"GLFW") != nullptr || GetWindow(pane, GW_CHILD) != nullptr) {
            return true;
        }
        Sleep(1);
    }
    return false;
}

// Standard input blocks, so it is read on a thread of its own; the windows stay with the thread
// that pumps their messages, which keeps serving them while this one waits for a moment.
DWORD WINAPI readCommands(LPVOID) {
    constexpr char kDestroyAfterAdoption[] = "destroy-after-adoption ";
    char line[256];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        line[std::strcspn(line, "\r\n")] = '\0';
        if (std::strncmp(line, kDestroyAfterAdoption, sizeof kDestroyAfterAdoption - 1) == 0) {
            if (!awaitAdoption()) {
                reply("not adopted");
                continue;
            }
            Sleep(static_cast<DWORD>(std::atoi(line + sizeof kDestroyAfterAdoption - 1)));
            post("destroy");
        } else {
            post(line);
        }
    }
    PostMessageW(host, kCommandMessage, 0, 0);
    return 0;
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCommandMessage) {
        char* command = reinterpret_cast<char*>(lParam);
        if (command == nullptr) {
            PostQuitMessage(0);
        } else {
            run(command);
            std::free(command);
        }
        return 0;
    }
    if (message == WM_KEYDOWN) {
        ++keyPresses;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createWindow(const wchar_t* className, WNDPROC procedure, const wchar_t* title, DWORD style,
                  int width, int height, HWND parent) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, className, title, style, 0, 0, width, height, parent, nullptr,
                           windowClass.hInstance, nullptr);
}

} // namespace

int main() {
    host = createWindow(L"PreviewHost", hostProc, L"Emberveil preview host",
                        WS_OVERLAPPEDWINDOW | WS_VISIBLE, 400, 300, nullptr);
    pane = createWindow(L"PreviewPane", paneProc, L"", WS_CHILD | WS_VISIBLE, kPaneWidth,
                        kPaneHeight, host);
    if (host == nullptr || pane == nullptr) {
        reply("no windows");
        return 1;
    }
    paneProcedure = GetWindowLongPtrW(pane, GWLP_WNDPROC);
    std::printf("pane %lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(pane)));
    std::fflush(stdout);
    CreateThread(nullptr, 0, readCommands, nullptr, 0, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
