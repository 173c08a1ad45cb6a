#include "model/mesh_arrays.h"
#include "model/model_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Feeds one input to the reader as OBJ and MTL text: the part before the first NUL byte is the
// OBJ text, the rest the MTL text; an input without NUL serves as both. A successful load also
// goes through the array builder, which must cope with whatever the reader accepts.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view obj = input.substr(0, split);
    const std::string_view mtl = split == std::string_view::npos ? input : input.substr(split + 1);

    objl::ModelReader reader;
    if (reader.loadModelText(obj, mtl)) {
        MeshArrays arrays(reader, 1.0f);
    }
    return 0;
}
