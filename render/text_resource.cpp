#include "render/text_resource.h"

#include "platform/resources.h"

#include <cstring>

std::size_t loadTextResource(int id, char* destination, std::size_t capacity) {
    platform::TextResource resource = platform::findTextResource(id & 0xFFFF);
    std::size_t available = resource.data != nullptr ? resource.size : 0;
    std::size_t limit = available < capacity ? available : capacity;
    std::size_t length = 0;
    while (length < limit && resource.data[length] != '~') {
        destination[length] = resource.data[length];
        ++length;
    }
    std::memset(destination + length, 0, 4);
    return length;
}
