#include "model/model_reader.h"

#include "model/text_functions.h"
#include "model/triangulation.h"
#include "model/vector_math.h"
#include "platform/resources.h"

#include <cstddef>
#include <iostream>
#include <new>
#include <string>
#include <utility>

namespace objl {

namespace {

// A "usemtl" line's name and where it stands, for naming it when it finds no mesh.
struct MaterialUse {
    std::string name;
    std::size_t lineNumber = 0;
};

// What one loadModel call knows while it walks the OBJ lines.
struct ObjReading {
    std::vector<Vector3> positions;
    std::vector<Vector2> texCoords;
    std::vector<Vector3> normals;
    std::vector<Vertex> openVertices;
    std::vector<std::uint32_t> openIndices;
    std::string meshName;
    std::vector<MaterialUse> materialUses;
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
    if (!reading.materialUses.empty()) {
        std::cout << "\t| material: " << reading.materialUses.back().name;
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

template <typename T>
std::string indexFault(const char* kind, const std::string& field, const std::vector<T>& list) {
    return std::string("face ") + kind + " index " + field + " out of range (" +
           std::to_string(list.size()) + " defined)";
}

// The corner's vertex in any of the forms v, v/vt, v//vn and v/vt/vn; what is wrong with the
// corner, or "". A corner without a normal sets namesNoNormal.
std::string buildCorner(const std::string& token, const ObjReading& reading, Vertex& corner,
                        bool& namesNoNormal) {
    const std::vector<std::string> parts = splitOn(token, "/");
    if (parts.empty()) {
        return "face has an empty corner";
    }
    if (parts.size() > 3) {
        return "face corner " + token + " has more than three parts";
    }
    const Vector3* position = elementAt(reading.positions, parts[0]);
    if (position == nullptr) {
        return indexFault("position", parts[0], reading.positions);
    }
    corner.position = *position;
    if (parts.size() == 2 || (parts.size() == 3 && !parts[1].empty())) {
        const Vector2* texCoord = elementAt(reading.texCoords, parts[1]);
        if (texCoord == nullptr) {
            return indexFault("texture coordinate", parts[1], reading.texCoords);
        }
        corner.texCoord = *texCoord;
    }
    if (parts.size() == 3) {
        const Vector3* normal = elementAt(reading.normals, parts[2]);
        if (normal == nullptr) {
            return indexFault("normal", parts[2], reading.normals);
        }
        corner.normal = *normal;
    } else {
        namesNoNormal = true;
    }
    return {};
}

// One vertex per face corner. Faces that name no normal for some corner get the face's
// unnormalised flat normal on every corner. Returns what is wrong with the face, or "".
std::string buildFaceVertices(const std::string& line, const ObjReading& reading,
                              std::vector<Vertex>& corners) {
    bool generateNormal = false;
    for (const std::string& token : splitOn(afterLeadingToken(line), " ")) {
        Vertex corner;
        std::string fault = buildCorner(token, reading, corner, generateNormal);
        if (!fault.empty()) {
            return fault;
        }
        corners.push_back(corner);
    }
    if (generateNormal) {
        if (corners.size() < 3) {
            return "face of fewer than three corners has no normal to generate";
        }
        const Vector3 normal = crossProduct(corners[0].position - corners[1].position,
                                            corners[2].position - corners[1].position);
        for (Vertex& corner : corners) {
            corner.normal = normal;
        }
    }
    return {};
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

bool openMeshHasFaces(const ObjReading& reading) {
    return !reading.openIndices.empty() && !reading.openVertices.empty();
}

void closeMesh(ModelReader& model, ObjReading& reading, const std::string& name) {
    Mesh mesh;
    mesh.name = name;
    mesh.vertices = std::move(reading.openVertices);
    mesh.indices = std::move(reading.openIndices);
    model.meshes.push_back(std::move(mesh));
    reading.openVertices.clear();
    reading.openIndices.clear();
}

// A damaged text yields nothing, rather than the meshes read up to the damage.
bool discardModel(ModelReader& model) {
    model.meshes.clear();
    model.allVertices.clear();
    model.allIndices.clear();
    return false;
}

void reportFault(std::size_t lineNumber, const std::string& fault) {
    std::cerr << "model line " << lineNumber << ": " << fault << '\n';
}

// Faces read before the first object line join the first object's mesh.
void readObjectLine(ModelReader& model, ObjReading& reading, const std::string& line, bool named) {
    if (!reading.objectSeen) {
        reading.objectSeen = true;
        reading.meshName = named ? afterLeadingToken(line) : "unnamed";
    } else if (openMeshHasFaces(reading)) {
        closeMesh(model, reading, reading.meshName);
        reading.meshName = afterLeadingToken(line);
    } else {
        reading.meshName = named ? afterLeadingToken(line) : "unnamed";
    }
    std::cout << '\n';
    reading.progressCounter = 0;
}

std::string readFaceLine(ModelReader& model, ObjReading& reading, const std::string& line) {
    std::vector<Vertex> corners;
    std::string fault = buildFaceVertices(line, reading, corners);
    if (!fault.empty()) {
        return fault;
    }
    reading.openVertices.insert(reading.openVertices.end(), corners.begin(), corners.end());
    model.allVertices.insert(model.allVertices.end(), corners.begin(), corners.end());
    const std::size_t openBase = reading.openVertices.size() - corners.size();
    const std::size_t allBase = model.allVertices.size() - corners.size();
    for (std::uint32_t local : triangulatePolygon(corners)) {
        reading.openIndices.push_back(static_cast<std::uint32_t>(openBase + local));
        model.allIndices.push_back(static_cast<std::uint32_t>(allBase + local));
    }
    return {};
}

// The object's name with the smallest suffix _2, _3, ... that no mesh bears yet.
std::string unusedPartName(const std::vector<Mesh>& meshes, const std::string& objectName) {
    auto taken = [&](const std::string& name) {
        for (const Mesh& mesh : meshes) {
            if (mesh.name == name) {
                return true;
            }
        }
        return false;
    };
    int n = 2;
    while (taken(objectName + "_" + std::to_string(n))) {
        ++n;
    }
    return objectName + "_" + std::to_string(n);
}

// The part of the object before the change closes under a numbered name; the object's own name
// stays for its last part.
void readMaterialChange(ModelReader& model, ObjReading& reading, const std::string& line,
                        std::size_t lineNumber) {
    reading.materialUses.push_back({afterLeadingToken(line), lineNumber});
    if (openMeshHasFaces(reading)) {
        closeMesh(model, reading, unusedPartName(model.meshes, reading.meshName));
    }
    reading.progressCounter = 0;
}

// Reads one OBJ line into the model; what is wrong with the line, or "".
std::string readObjLine(ModelReader& model, ObjReading& reading, const std::string& line,
                        std::size_t lineNumber, std::string_view mtlText) {
    const std::string token = leadingToken(line);
    // Deliberately looser than the keyword: any line that starts with 'g', "group1 x" say, opens
    // a group too. Only a bare "o" or "g" names it; the others are "unnamed".
    if (token == "o" || token == "g" || (!line.empty() && line[0] == 'g')) {
        readObjectLine(model, reading, line, token == "o" || token == "g");
    } else if (token == "v" || token == "vn") {
        Vector3 v;
        if (!readVector3(line, v)) {
            return token == "v" ? "a position needs three numbers" : "a normal needs three numbers";
        }
        (token == "v" ? reading.positions : reading.normals).push_back(v);
    } else if (token == "vt") {
        Vector2 texCoord;
        if (!readVector2(line, texCoord)) {
            return "a texture coordinate needs two numbers";
        }
        reading.texCoords.push_back(texCoord);
    } else if (token == "f") {
        return readFaceLine(model, reading, line);
    } else if (token == "usemtl") {
        readMaterialChange(model, reading, line, lineNumber);
    } else if (token == "mtllib" && !model.loadMaterialsText(mtlText)) {
        return "the material text holds a number that cannot be read";
    }
    return {};
}

// Names are matched to meshes by position, whichever mesh was open when a name was read.
bool assignMaterials(ModelReader& model, const ObjReading& reading) {
    if (reading.materialUses.size() > model.meshes.size()) {
        const MaterialUse& homeless = reading.materialUses[model.meshes.size()];
        reportFault(homeless.lineNumber, "material " + homeless.name + " has no mesh to go to");
        return false;
    }
    for (std::size_t k = 0; k < reading.materialUses.size(); ++k) {
        for (const Material& material : model.materials) {
            if (material.name == reading.materialUses[k].name) {
                model.meshes[k].material = material;
                break;
            }
        }
    }
    return true;
}

} // namespace

bool ModelReader::loadModel(int objResourceId, int mtlResourceId) {
    return loadModelText(resourceText(objResourceId), resourceText(mtlResourceId));
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
    for (std::size_t i = 0; i < lines.size(); ++i) {
        stripCarriageReturns(lines[i]);
        reading.progressCounter = (reading.progressCounter + 1) % 1000;
        if (reading.progressCounter == 1 && !reading.meshName.empty()) {
            writeProgress(reading);
        }
        const std::string fault = readObjLine(*this, reading, lines[i], i + 1, mtlText);
        if (!fault.empty()) {
            std::cout << '\n';
            reportFault(i + 1, fault);
            return discardModel(*this);
        }
    }
    std::cout << '\n';
    if (openMeshHasFaces(reading)) {
        closeMesh(*this, reading, reading.meshName);
    }
    if (!assignMaterials(*this, reading)) {
        return discardModel(*this);
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
            // "newmtl x" is the shortest line with room for a name; anything shorter, however it
            // is spaced, names the material "none".
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
