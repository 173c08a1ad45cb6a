#include "model/mesh_arrays.h"
#include "model/model_reader.h"
#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// Each kept input is split as the fuzzer splits it: OBJ text, then after a NUL the MTL text.
TEST(ModelFuzzRegressions, KeptInputsLoadOrFailCleanly) {
    ASSERT_GT(EMBERVEIL_REGRESSION_TEXT_COUNT, 0);
    for (int i = 0; i < EMBERVEIL_REGRESSION_TEXT_COUNT; ++i) {
        const int id = EMBERVEIL_FIRST_REGRESSION_TEXT + i;
        SCOPED_TRACE(id);
        const platform::TextResource text = platform::findTextResource(id);
        ASSERT_NE(text.data, nullptr);
        const std::string_view input(text.data, text.size);
        const std::size_t split = input.find('\0');
        const std::string_view mtl =
            split == std::string_view::npos ? input : input.substr(split + 1);

        objl::ModelReader reader;
        if (!reader.loadModelText(input.substr(0, split), mtl)) {
            EXPECT_TRUE(reader.meshes.empty());
            continue;
        }
        for (std::uint32_t index : reader.allIndices) {
            EXPECT_LT(index, reader.allVertices.size());
        }
        const MeshArrays arrays(reader, 1.0f);
        for (std::uint32_t index : arrays.indices) {
            EXPECT_LT(index, static_cast<std::uint32_t>(arrays.vertexCount));
        }
    }
}

} // namespace
