# Script mode: writes OUTPUT, a C++ source that holds the bytes of each file in RESOURCES (a list of
# id;file pairs) and registers them with the platform layer's text resource table.
list(LENGTH RESOURCES count)
math(EXPR last "${count} - 1")

set(arrays "")
set(entries "")
foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET RESOURCES ${i} id)
    list(GET RESOURCES ${j} file)
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" hex_length)
    math(EXPR size "${hex_length} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
    # A trailing zero that is not part of the text keeps empty files legal C++.
    string(APPEND arrays "const unsigned char text${i}[] = {\n    ${bytes}0x00};\n")
    string(APPEND entries "    {${id}, text${i}, ${size}},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Generated from the resource list of this target; edit the listed files instead.
#include \"platform/posix/text_resource_table.h\"

namespace {

${arrays}
const platform::TextResourceEntry entries[] = {
${entries}};

const platform::TextResourceTableRegistration registration(entries, sizeof entries / sizeof entries[0]);

} // namespace
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
