#include "model/numeric_fields.h"

#include <charconv>
#include <system_error>

namespace objl {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Skips the whitespace and a '+' that the converters below do not take; returns nullptr when no
// digit (or '.' and a digit) follows, which rules out "inf", "nan" and lone signs.
const char* startOfNumber(const char* p, const char* end, bool fractionAllowed) {
    while (p != end && isWhitespace(*p)) {
        ++p;
    }
    const char* sign = p;
    if (p != end && (*p == '+' || *p == '-')) {
        ++p;
    }
    if (p == end) {
        return nullptr;
    }
    const bool digitFollows =
        isDigit(*p) || (fractionAllowed && *p == '.' && p + 1 != end && isDigit(p[1]));
    if (!digitFollows) {
        return nullptr;
    }
    return *sign == '+' ? sign + 1 : sign;
}

} // namespace

bool readFloat(const std::string& field, float& value) {
    const char* end = field.data() + field.size();
    const char* start = startOfNumber(field.data(), end, true);
    if (start == nullptr) {
        return false;
    }
    float result = 0.0f;
    const std::from_chars_result parsed =
        std::from_chars(start, end, result, std::chars_format::general);
    if (parsed.ec != std::errc()) {
        return false;
    }
    value = result;
    return true;
}

bool readInteger(const std::string& field, std::int32_t& value) {
    const char* end = field.data() + field.size();
    const char* start = startOfNumber(field.data(), end, false);
    if (start == nullptr) {
        return false;
    }
    std::int32_t result = 0;
    const std::from_chars_result parsed = std::from_chars(start, end, result, 10);
    if (parsed.ec != std::errc()) {
        return false;
    }
    value = result;
    return true;
}

} // namespace objl
