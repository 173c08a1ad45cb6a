#include "model/model_reader.h"

#include "model/text_functions.h"
#include "model/triangulation.h"
#include "model/vector_math.h"
#include "platform/resources.h"

#include <cstddef>
#include <iostream>
#include <new>
#include <string>

namespace objl {

namespace {

// What one loadModel call knows while it walks the OBJ lines.
struct ObjReading {
    std::vector<Vector3> positions;
    std::vector<Vector2> texCoords;
    std::vector<Vector3> normals;
    std::vector<Vertex> openVertices;
    std::vector<std::uint32_t> openIndices;
    std::string meshName;
    std::vector<std::string> materialNames;
    bool objectSeen = false;
    unsigned progressCounter = 1000;
};

std::string_view resourceText(int id) {
    const platform::TextResource resource = platform::findTextResource(id);
    if (resource.data == nullptr) {
        return {};
    }
    return {resource.data, resource.size};
}

// Lines end at '\n', which is dropped; a last line without one counts too.
bool splitLines(std::string_view text, std::vector<std::string>& lines) {
    try {
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            lines.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// Erases each '\r' together with the character after it, as exporters only write "\r\n".
void stripCarriageReturns(std::string& line) {
    for (std::size_t at = line.find('\r'); at != std::string::npos; at = line.find('\r', at)) {
        line.erase(at, 2);
    }
}

void writeProgress(const ObjReading& reading) {
    std::cout << "\r- " << reading.meshName << "\t| vertices > " << reading.positions.size()
              << "\t| texcoords > " << reading.texCoords.size() << "\t| normals > "
              << reading.normals.size() << "\t| triangles > " << reading.openVertices.size() / 3;
    if (!reading.materialNames.empty()) {
        std::cout << "\t| material: " << reading.materialNames.back();
    }
}

bool readFloats(const std::vector<std::string>& fields, float* values, std::size_t count) {
    if (fields.size() < count) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (!readFloat(fields[i], values[i])) {
            return false;
        }
    }
    return true;
}

bool readVector3(const std::string& line, Vector3& v) {
    float values[3];
    if (!readFloats(splitOn(afterLeadingToken(line), " "), values, 3)) {
        return false;
    }
    v = {values[0], values[1], values[2]};
    return true;
}

bool readVector2(const std::string& line, Vector2& v) {
    float values[2];
    if (!readFloats(splitOn(afterLeadingToken(line), " "), values, 2)) {
        return false;
    }
    v = {values[0], values[1]};
    return true;
}

// One vertex per face corner in any of the forms v, v/vt, v//vn and v/vt/vn. Faces that name no
// normal for some corner get the face's unnormalised flat normal on every corner.
bool buildFaceVertices(const std::string& line, const ObjReading& reading,
                       std::vector<Vertex>& corners) {
    bool generateNormal = false;
    for (const std::string& token : splitOn(afterLeadingToken(line), " ")) {
        const std::vector<std::string> parts = splitOn(token, "/");
        if (parts.empty() || parts.size() > 3) {
            return false;
        }
        Vertex corner;
        const Vector3* position = elementAt(reading.positions, parts[0]);
        if (position == nullptr) {
            return false;
        }
        corner.position = *position;
        const bool namesTexCoord = parts.size() == 2 || (parts.size() == 3 && !parts[1].empty());
        if (namesTexCoord) {
            const Vector2* texCoord = elementAt(reading.texCoords, parts[1]);
            if (texCoord == nullptr) {
                return false;
            }
            corner.texCoord = *texCoord;
        }
        if (parts.size() == 3) {
            const Vector3* normal = elementAt(reading.normals, parts[2]);
            if (normal == nullptr) {
                return false;
            }
            corner.normal = *normal;
        } else {
            generateNormal = true;
        }
        corners.push_back(corner);
    }

    if (generateNormal) {
        if (corners.size() < 3) {
            return false;
        }
        const Vector3 normal = crossProduct(corners[0].position - corners[1].position,
                                            corners[2].position - corners[1].position);
        for (Vertex& corner : corners) {
            corner.normal = normal;
        }
    }
    return true;
}

bool readMaterialColor(const std::string& line, Vector3& color) {
    const std::vector<std::string> fields = splitOn(afterLeadingToken(line), " ");
    if (fields.size() != 3) {
        return true;
    }
    float values[3];
    if (!readFloats(fields, values, 3)) {
        return false;
    }
    color = {values[0], values[1], values[2]};
    return true;
}

// Reads one MTL line into the material being read; false for an unreadable number.
bool readMaterialLine(const std::string& line, Material& material) {
    const std::string token = leadingToken(line);
    if (token == "Ka") {
        return readMaterialColor(line, material.ambientColor);
    }
    if (token == "Kd") {
        return readMaterialColor(line, material.diffuseColor);
    }
    if (token == "Ks") {
        return readMaterialColor(line, material.specularColor);
    }
    if (token == "Ns") {
        return readFloat(afterLeadingToken(line), material.specularExponent);
    }
    if (token == "Ni") {
        return readFloat(afterLeadingToken(line), material.opticalDensity);
    }
    if (token == "d") {
        return readFloat(afterLeadingToken(line), material.dissolve);
    }
    if (token == "illum") {
        return readInteger(afterLeadingToken(line), material.illuminationModel);
    }
    if (token == "map_Ka") {
        material.ambientMap = afterLeadingToken(line);
    } else if (token == "map_Kd") {
        material.diffuseMap = afterLeadingToken(line);
    } else if (token == "map_Ks") {
        material.specularMap = afterLeadingToken(line);
    } else if (token == "map_Ns") {
        material.specularHighlightMap = afterLeadingToken(line);
    } else if (token == "map_d") {
        material.alphaMap = afterLeadingToken(line);
    } else if (token == "map_Bump" || token == "map_bump" || token == "bump") {
        material.bumpMap = afterLeadingToken(line);
    }
    return true;
}

} // namespace

bool ModelReader::loadModel(int objResourceId, int mtlResourceId) {
    return loadModelText(resourceText(objResourceId), resourceText(mtlResourceId));
}

bool ModelReader::loadMaterials(int mtlResourceId) {
    return loadMaterialsText(resourceText(mtlResourceId));
}

bool ModelReader::loadModelText(std::string_view objText, std::string_view mtlText) {
    std::vector<std::string> lines;
    if (!splitLines(objText, lines)) {
        return false;
    }
    meshes.clear();
    allVertices.clear();
    allIndices.clear();

    ObjReading reading;
    auto closeMesh = [&](const std::string& name) {
        Mesh mesh;
        mesh.name = name;
        mesh.vertices = reading.openVertices;
        mesh.indices = reading.openIndices;
        meshes.push_back(mesh);
    };
    auto openMeshHasFaces = [&] {
        return !reading.openIndices.empty() && !reading.openVertices.empty();
    };
    // A damaged text yields nothing, rather than the meshes read up to the damage.
    auto discard = [&] {
        meshes.clear();
        allVertices.clear();
        allIndices.clear();
        return false;
    };
    auto fail = [&] {
        std::cout << '\n';
        return discard();
    };

    for (std::string& line : lines) {
        stripCarriageReturns(line);
        reading.progressCounter = (reading.progressCounter + 1) % 1000;
        if (reading.progressCounter == 1 && !reading.meshName.empty()) {
            writeProgress(reading);
        }

        const std::string token = leadingToken(line);
        if (token == "o" || token == "g" || (!line.empty() && line[0] == 'g')) {
            const bool named = token == "o" || token == "g";
            if (!reading.objectSeen) {
                reading.objectSeen = true;
                reading.meshName = named ? afterLeadingToken(line) : "unnamed";
            } else if (openMeshHasFaces()) {
                closeMesh(reading.meshName);
                reading.openVertices.clear();
                reading.openIndices.clear();
                reading.meshName = afterLeadingToken(line);
            } else {
                reading.meshName = named ? afterLeadingToken(line) : "unnamed";
            }
            std::cout << '\n';
            reading.progressCounter = 0;
        } else if (token == "v") {
            Vector3 position;
            if (!readVector3(line, position)) {
                return fail();
            }
            reading.positions.push_back(position);
        } else if (token == "vt") {
            Vector2 texCoord;
            if (!readVector2(line, texCoord)) {
                return fail();
            }
            reading.texCoords.push_back(texCoord);
        } else if (token == "vn") {
            Vector3 normal;
            if (!readVector3(line, normal)) {
                return fail();
            }
            reading.normals.push_back(normal);
        } else if (token == "f") {
            std::vector<Vertex> corners;
            if (!buildFaceVertices(line, reading, corners)) {
                return fail();
            }
            reading.openVertices.insert(reading.openVertices.end(), corners.begin(), corners.end());
            allVertices.insert(allVertices.end(), corners.begin(), corners.end());
            const std::size_t openBase = reading.openVertices.size() - corners.size();
            const std::size_t allBase = allVertices.size() - corners.size();
            for (std::uint32_t local : triangulatePolygon(corners)) {
                reading.openIndices.push_back(static_cast<std::uint32_t>(openBase + local));
                allIndices.push_back(static_cast<std::uint32_t>(allBase + local));
            }
        } else if (token == "usemtl") {
            reading.materialNames.push_back(afterLeadingToken(line));
            if (openMeshHasFaces()) {
                auto nameTaken = [&](const std::string& name) {
                    for (const Mesh& mesh : meshes) {
                        if (mesh.name == name) {
                            return true;
                        }
                    }
                    return false;
                };
                int n = 2;
                while (nameTaken(reading.meshName + "_" + std::to_string(n))) {
                    ++n;
                }
                closeMesh(reading.meshName + "_" + std::to_string(n));
                reading.openVertices.clear();
                reading.openIndices.clear();
            }
            reading.progressCounter = 0;
        } else if (token == "mtllib") {
            if (!loadMaterialsText(mtlText)) {
                return fail();
            }
        }
    }

    std::cout << '\n';
    if (openMeshHasFaces()) {
        closeMesh(reading.meshName);
    }

    // Names are matched to meshes by position; a name without a mesh has nowhere to go.
    if (reading.materialNames.size() > meshes.size()) {
        return discard();
    }
    for (std::size_t k = 0; k < reading.materialNames.size(); ++k) {
        for (const Material& material : materials) {
            if (material.name == reading.materialNames[k]) {
                meshes[k].material = material;
                break;
            }
        }
    }
    return !(meshes.empty() && allVertices.empty() && allIndices.empty());
}

bool ModelReader::loadMaterialsText(std::string_view mtlText) {
    std::vector<std::string> lines;
    if (!splitLines(mtlText, lines)) {
        return false;
    }

    const std::size_t materialsBefore = materials.size();
    Material material;
    bool materialSeen = false;
    for (const std::string& line : lines) {
        if (leadingToken(line) == "newmtl") {
            if (materialSeen) {
                materials.push_back(material);
                material = Material();
            } else {
                materialSeen = true;
            }
            material.name = line.size() < 8 ? "none" : trimLineEnd(afterLeadingToken(line));
        } else if (!readMaterialLine(line, material)) {
            materials.resize(materialsBefore);
            return false;
        }
    }
    materials.push_back(material);
    return true;
}

} // namespace objl
