#include "model/mesh_geometry.h"

#include <algorithm>
#include <cstddef>
#include <utility>

MeshGeometry::MeshGeometry(int objResourceId, int mtlResourceId, float scale)
    : source(std::make_unique<MeshArrays>(objResourceId, mtlResourceId, scale)) {
    interleave();
}

MeshGeometry::MeshGeometry(std::unique_ptr<MeshArrays> arrays) : source(std::move(arrays)) {
    interleave();
}

MeshGeometry::~MeshGeometry() = default;

void MeshGeometry::interleave() {
    vertexCount = static_cast<std::uint32_t>(source->vertexCount);
    indexCount = static_cast<std::uint32_t>(source->indexCount);
    vertexData.assign(static_cast<std::size_t>(vertexCount) * stride, 0.0f);

    auto place = [&](const std::vector<float>& from, std::size_t width, std::size_t i,
                     std::int32_t offset) {
        std::copy_n(from.begin() + width * i, width,
                    vertexData.begin() + static_cast<std::ptrdiff_t>(stride * i + offset));
    };
    for (std::size_t i = 0; i < vertexCount; ++i) {
        place(source->positions, 3, i, positionOffset);
        place(source->texCoords, 2, i, texCoordOffset);
        place(source->normals, 3, i, normalOffset);
        place(source->tangents, 3, i, tangentOffset);
        place(source->bitangents, 3, i, bitangentOffset);
        place(source->ambientColors, 3, i, ambientColorOffset);
        place(source->diffuseColors, 3, i, diffuseColorOffset);
        place(source->specularColors, 4, i, specularColorOffset);
    }
    indexData = source->indices;
}

float* MeshGeometry::getVertexData() {
    return vertexData.data();
}

std::int32_t MeshGeometry::getVertexBytes() const {
    return static_cast<std::int32_t>(vertexCount) * stride * 4;
}

std::int32_t MeshGeometry::getStride() const {
    return stride;
}

std::uint32_t* MeshGeometry::getIndexData() {
    return indexData.data();
}

std::int32_t MeshGeometry::getIndexBytes() const {
    return static_cast<std::int32_t>(indexCount) * 4;
}

std::int32_t MeshGeometry::getIndexCount() const {
    return static_cast<std::int32_t>(indexCount);
}
