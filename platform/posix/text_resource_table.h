#pragma once

#include <cstddef>

namespace platform {

// One compiled-in text, as the build's generated resource table lists it.
struct TextResourceEntry {
    int id;
    const unsigned char* bytes;
    std::size_t size;
};

// Adds a generated table to the executable's resources during static initialisation, which is
// how each executable gets exactly the texts its build listed.
class TextResourceTableRegistration {
  public:
    TextResourceTableRegistration(const TextResourceEntry* entries, std::size_t count);
};

} // namespace platform
