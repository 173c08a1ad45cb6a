#include "platform/resources.h"

#include <windows.h>

namespace platform {

TextResource findTextResource(int id) {
    HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXTFILE");
    if (info == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(nullptr, info);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, info)};
}

} // namespace platform
