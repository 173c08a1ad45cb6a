#include "model/mesh_arrays.h"

#include "model/vector_math.h"
#include "platform/fatal_failure.h"

#include <cstddef>

namespace {

void copyVector(const objl::Vector3& v, float* out) {
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

objl::Vector3 unitLength(const objl::Vector3& v) {
    const float length = objl::magnitude(v);
    return {v.x / length, v.y / length, v.z / length};
}

objl::Vector3 scaled(const objl::Vector3& v, float factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

objl::Vector3 vectorAt(const std::vector<float>& array, std::size_t k) {
    return {array[3 * k], array[3 * k + 1], array[3 * k + 2]};
}

} // namespace

MeshArrays::MeshArrays(int objResourceId, int mtlResourceId, float scale) : scale(scale) {
    objl::ModelReader reader;
    if (!reader.loadModel(objResourceId, mtlResourceId)) {
        platform::failFatally("Failed to load mesh");
    }
    fill(reader);
}

MeshArrays::MeshArrays(const objl::ModelReader& reader, float scale) : scale(scale) {
    fill(reader);
}

void MeshArrays::fill(const objl::ModelReader& reader) {
    std::size_t n = 0;
    std::size_t m = 0;
    for (const objl::Mesh& mesh : reader.meshes) {
        n += mesh.vertices.size();
        m += mesh.indices.size();
    }
    vertexCount = static_cast<std::int32_t>(n);
    indexCount = static_cast<std::int32_t>(m);

    positions.assign(3 * n, 0.0f);
    texCoords.assign(2 * n, 0.0f);
    normals.assign(3 * n, 0.0f);
    tangents.assign(3 * n, 0.0f);
    bitangents.assign(3 * n, 0.0f);
    ambientColors.assign(3 * n, 0.0f);
    diffuseColors.assign(3 * n, 0.0f);
    specularColors.assign(4 * n, 0.0f);
    indices.assign(m, 0u);

    std::size_t vertexBase = 0;
    std::size_t indexBase = 0;
    for (const objl::Mesh& mesh : reader.meshes) {
        const objl::Material& material = mesh.material;
        for (std::size_t j = 0; j < mesh.vertices.size(); ++j) {
            const objl::Vertex& vertex = mesh.vertices[j];
            const std::size_t k = vertexBase + j;
            copyVector(scaled(vertex.position, scale), &positions[3 * k]);
            copyVector(unitLength(vertex.normal), &normals[3 * k]);
            texCoords[2 * k] = vertex.texCoord.x;
            texCoords[2 * k + 1] = vertex.texCoord.y;
            copyVector(material.ambientColor, &ambientColors[3 * k]);
            copyVector(material.diffuseColor, &diffuseColors[3 * k]);
            copyVector(material.specularColor, &specularColors[4 * k]);
            specularColors[4 * k + 3] = material.specularExponent;
        }
        for (std::size_t j = 0; j < mesh.indices.size(); ++j) {
            indices[indexBase + j] = static_cast<std::uint32_t>(vertexBase + mesh.indices[j]);
        }
        vertexBase += mesh.vertices.size();
        indexBase += mesh.indices.size();
    }

    computeTangentFrames();
}

// Faces with repeated corner positions can leave a count of indices that is not a multiple of
// three; the incomplete triangle at the end has no frame.
void MeshArrays::computeTangentFrames() {
    for (std::size_t t = 0; t + 2 < indices.size(); t += 3) {
        const std::size_t k[3] = {indices[t], indices[t + 1], indices[t + 2]};
        const objl::Vector3 p0 = vectorAt(positions, k[0]);
        const objl::Vector3 e1 = vectorAt(positions, k[1]) - p0;
        const objl::Vector3 e2 = vectorAt(positions, k[2]) - p0;
        const float d1u = texCoords[2 * k[1]] - texCoords[2 * k[0]];
        const float d1v = texCoords[2 * k[1] + 1] - texCoords[2 * k[0] + 1];
        const float d2u = texCoords[2 * k[2]] - texCoords[2 * k[0]];
        const float d2v = texCoords[2 * k[2] + 1] - texCoords[2 * k[0] + 1];

        // A texture triangle of zero area gives r = 1/0 and a frame that is not finite.
        const float r = 1.0f / (d1u * d2v - d2u * d1v);
        const objl::Vector3 tangent =
            unitLength({(e1.x * d2v - e2.x * d1v) * r, (e1.y * d2v - e2.y * d1v) * r,
                        (e1.z * d2v - e2.z * d1v) * r});
        const objl::Vector3 bitangent =
            unitLength({(e2.x * d1u - e1.x * d2u) * r, (e2.y * d1u - e1.y * d2u) * r,
                        (e2.z * d1u - e1.z * d2u) * r});
        for (std::size_t corner : k) {
            copyVector(tangent, &tangents[3 * corner]);
            copyVector(bitangent, &bitangents[3 * corner]);
        }
    }
}
