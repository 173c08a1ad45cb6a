#include "app/window_size_rule.h"

namespace {

bool usable(const PixelSize* size) {
    return size != nullptr && size->width > 0 && size->height > 0;
}

} // namespace

int osVersionNumberFromWord(std::uint32_t versionWord) {
    int major = static_cast<int>(versionWord & 0xFF);
    int minor = static_cast<int>((versionWord >> 8) & 0xFF);
    return major * 10 + minor;
}

PixelSize chooseWindowSize(SaverMode mode, int osVersionNumber, const PixelSize* primaryMode,
                           const PixelSize* parentClient) {
    const PixelSize* chosen = nullptr;
    if (mode == SaverMode::Windowed) {
        chosen = &kDesktopWindowSize;
    } else if (mode == SaverMode::Preview) {
        chosen = parentClient;
    } else if (osVersionNumber >= 60) {
        chosen = primaryMode;
    }
    return usable(chosen) ? *chosen : kFallbackWindowSize;
}
