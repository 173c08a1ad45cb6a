#pragma once

#include <cstddef>

namespace platform {

// A text compiled into the running executable as a "TEXTFILE" resource. The bytes stay valid
// for the life of the process; a resource that does not exist reads as data == nullptr, size 0.
struct TextResource {
    const char* data = nullptr;
    std::size_t size = 0;
};

// Looks up the executable's "TEXTFILE" resource with the given integer id.
TextResource findTextResource(int id);

} // namespace platform
