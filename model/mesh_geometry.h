#pragma once

#include "model/mesh_arrays.h"

#include <cstdint>
#include <memory>
#include <vector>

// A model in the layout the vertex and index buffers take: 24 interleaved floats per vertex and
// 32-bit indices, three per triangle. The arrays stay put for the object's whole life, so buffer
// objects may keep pointers to them.
class MeshGeometry {
  public:
    // Attribute offsets within a vertex, in floats.
    static constexpr std::int32_t positionOffset = 0;
    static constexpr std::int32_t texCoordOffset = 3;
    static constexpr std::int32_t normalOffset = 5;
    static constexpr std::int32_t tangentOffset = 8;
    static constexpr std::int32_t bitangentOffset = 11;
    static constexpr std::int32_t ambientColorOffset = 14;
    static constexpr std::int32_t diffuseColorOffset = 17;
    static constexpr std::int32_t specularColorOffset = 20;

    // Ends the process with a message when the model cannot be read.
    MeshGeometry(int objResourceId, int mtlResourceId, float scale);

    // Interleaves arrays that were built elsewhere, and takes them over.
    explicit MeshGeometry(std::unique_ptr<MeshArrays> arrays);

    ~MeshGeometry();

    MeshGeometry(const MeshGeometry&) = delete;
    MeshGeometry& operator=(const MeshGeometry&) = delete;

    float* getVertexData();
    std::int32_t getVertexBytes() const;
    std::int32_t getStride() const;
    std::uint32_t* getIndexData();
    std::int32_t getIndexBytes() const;
    std::int32_t getIndexCount() const;

  private:
    void interleave();

    std::vector<float> vertexData;
    std::int32_t stride = 24;
    std::vector<std::uint32_t> indexData;
    std::unique_ptr<MeshArrays> source;
    std::uint32_t vertexCount = 0;
    std::uint32_t indexCount = 0;
};
