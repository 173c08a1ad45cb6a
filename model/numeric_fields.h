#pragma once

#include <cstdint>
#include <string>

namespace objl {

// Reads a decimal number from the start of an OBJ or MTL field. Leading whitespace and one sign
// are allowed and whatever follows the number (a '\r', a comment) is ignored. A field that does not
// begin with a number, or whose number does not fit the type, reads as false and leaves `value`
// unchanged, so that a damaged text fails its load instead of carrying made-up values.
bool readFloat(const std::string& field, float& value);
bool readInteger(const std::string& field, std::int32_t& value);

} // namespace objl
