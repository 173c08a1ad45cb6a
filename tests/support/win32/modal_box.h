#pragma once

#include <string>

struct ModalBox {
    std::string caption;
    std::string text;
};

// Waits up to timeoutMs for a modal message box of any program in this Wine session, this one
// included, reads it and presses its OK button. False when none appeared in time.
bool answerModalBox(unsigned long timeoutMs, ModalBox* box);
