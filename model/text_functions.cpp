#include "model/text_functions.h"

namespace objl {

namespace {

const char* const blanks = " \t";

} // namespace

std::string leadingToken(const std::string& line) {
    const std::size_t start = line.find_first_not_of(blanks);
    if (start == std::string::npos) {
        return {};
    }
    const std::size_t end = line.find_first_of(blanks, start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string afterLeadingToken(const std::string& line) {
    const std::size_t tokenStart = line.find_first_not_of(blanks);
    if (tokenStart == std::string::npos) {
        return {};
    }
    const std::size_t tokenEnd = line.find_first_of(blanks, tokenStart);
    if (tokenEnd == std::string::npos) {
        return {};
    }
    const std::size_t restStart = line.find_first_not_of(blanks, tokenEnd);
    if (restStart == std::string::npos) {
        return {};
    }
    const std::size_t restEnd = line.find_last_not_of(blanks);
    return line.substr(restStart, restEnd - restStart + 1);
}

std::vector<std::string> splitOn(const std::string& text, const std::string& separator) {
    std::vector<std::string> fields;
    std::string pending;
    const std::size_t length = separator.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, length, separator) == 0) {
            if (!pending.empty()) {
                fields.push_back(pending);
                pending.clear();
                i += length - 1;
            } else {
                fields.emplace_back();
            }
        } else if (i + length >= text.size()) {
            pending += text.substr(i, length);
            fields.push_back(pending);
            break;
        } else {
            pending += text[i];
        }
    }
    return fields;
}

std::string trimLineEnd(const std::string& text) {
    const std::size_t last = text.find_last_not_of("\r\n");
    if (last == std::string::npos) {
        return text;
    }
    return text.substr(0, last + 1);
}

} // namespace objl
