#include "platform/resources.h"
#include "platform/posix/text_resource_table.h"

#include <vector>

namespace platform {

namespace {

struct Table {
    const TextResourceEntry* entries;
    std::size_t count;
};

// Function-local so that registrations from any translation unit's static initialisers find it
// constructed.
std::vector<Table>& registeredTables() {
    static std::vector<Table> tables;
    return tables;
}

} // namespace

TextResourceTableRegistration::TextResourceTableRegistration(const TextResourceEntry* entries,
                                                             std::size_t count) {
    registeredTables().push_back({entries, count});
}

TextResource findTextResource(int id) {
    for (const Table& table : registeredTables()) {
        for (std::size_t i = 0; i < table.count; ++i) {
            if (table.entries[i].id == id) {
                return {reinterpret_cast<const char*>(table.entries[i].bytes),
                        table.entries[i].size};
            }
        }
    }
    return {};
}

} // namespace platform
