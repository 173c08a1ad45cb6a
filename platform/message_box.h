#pragma once

namespace platform {

enum class MessageIcon { Information, Warning };

// Shows a modal message with no owner window and returns once the user has dismissed it.
void showMessageBox(const char* text, const char* caption, MessageIcon icon);

} // namespace platform
