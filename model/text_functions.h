#pragma once

#include "model/numeric_fields.h"

#include <cstdint>
#include <string>
#include <vector>

namespace objl {

// A blank is a space or a tab; any other character, '\r' included, belongs to a token.

// The first blank-separated token of a line, or "" for an empty or all-blank line.
std::string leadingToken(const std::string& line);

// Everything after the first token and its following blanks, up to the last non-blank character.
std::string afterLeadingToken(const std::string& line);

// Splits at every occurrence of the exact separator string. Two separators in a row give an empty
// field (the "1//3" corner form), one trailing separator gives none, and an empty text no fields.
std::vector<std::string> splitOn(const std::string& text, const std::string& separator);

// Cuts trailing '\r' and '\n' characters, unless the text consists only of them.
std::string trimLineEnd(const std::string& text);

// The element an OBJ index field names: 1-based, or counted from the end when negative. Returns
// nullptr for a field that is no number, for 0 and for an index outside the list.
template <typename T> const T* elementAt(const std::vector<T>& list, const std::string& field) {
    std::int32_t n = 0;
    if (!readInteger(field, n) || n == 0) {
        return nullptr;
    }
    const long long size = static_cast<long long>(list.size());
    const long long index = n < 0 ? n + size : n - 1LL;
    if (index < 0 || index >= size) {
        return nullptr;
    }
    return &list[static_cast<std::size_t>(index)];
}

} // namespace objl
