#include "platform/display_power.h"

// The GUIDs of the power settings are defined in this file, from the system's headers.
#include <initguid.h>

#include <windows.h>

#include <cstring>

namespace platform {

namespace {

constexpr char kListenerClass[] = "EmberveilDisplayPower";

bool displaysAreOn = true;

// The console's displays are 0 off, 1 on or 2 dimmed; a dimmed display still shows the fire.
LRESULT CALLBACK onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_POWERBROADCAST || wParam != PBT_POWERSETTINGCHANGE) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    if (setting != nullptr && IsEqualGUID(setting->PowerSetting, GUID_CONSOLE_DISPLAY_STATE) &&
        setting->DataLength >= sizeof(DWORD)) {
        DWORD state = 1;
        std::memcpy(&state, setting->Data, sizeof state);
        displaysAreOn = state != 0;
    }
    return TRUE;
}

// A message-only window of the saver's own hears the announcements; the saver's event polling
// dispatches its messages with its other windows'. Systems older than Windows 8 never announce
// the console's display state, and the displays count as on.
void listen() {
    WNDCLASSA listenerClass{};
    listenerClass.lpfnWndProc = onMessage;
    listenerClass.hInstance = GetModuleHandleA(nullptr);
    listenerClass.lpszClassName = kListenerClass;
    RegisterClassA(&listenerClass);
    HWND listener = CreateWindowExA(0, kListenerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    listenerClass.hInstance, nullptr);
    if (listener != nullptr) {
        RegisterPowerSettingNotification(listener, &GUID_CONSOLE_DISPLAY_STATE,
                                         DEVICE_NOTIFY_WINDOW_HANDLE);
    }
}

} // namespace

// The listener is made the first time the saver asks, from its own thread, so that its messages
// are dispatched with the saver's windows'; until the first announcement the displays count as on.
bool displaysOn() {
    static bool listening = false;
    if (!listening) {
        listen();
        listening = true;
    }
    return displaysAreOn;
}

} // namespace platform
