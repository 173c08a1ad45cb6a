#include "tests/support/win32/modal_box.h"

#include <windows.h>

bool answerModalBox(unsigned long timeoutMs, ModalBox* answered) {
    DWORD start = GetTickCount();
    for (;;) {
        HWND box = FindWindowA("#32770", nullptr);
        // A box is found as soon as it is created, before its caption and text are set; it is
        // ready once it is shown.
        if (box != nullptr && IsWindowVisible(box) && GetDlgItem(box, IDOK) != nullptr) {
            char caption[512] = {};
            char text[4096] = {};
            GetWindowTextA(box, caption, sizeof caption);
            GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
            answered->caption = caption;
            answered->text = text;
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
            // Wait for the box to go so that the next call cannot read it twice.
            for (int i = 0; i < 100 && IsWindow(box); ++i) {
                Sleep(20);
            }
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        Sleep(25);
    }
}
