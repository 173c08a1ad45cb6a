#pragma once

#include "model/vectors.h"

#include <cstdint>
#include <string>

namespace objl {

// One "newmtl" block of an MTL text; a mesh without a matching material keeps these defaults.
struct Material {
    std::string name;
    Vector3 ambientColor;
    Vector3 diffuseColor;
    Vector3 specularColor;
    float specularExponent = 0.0f;
    float opticalDensity = 0.0f;
    float dissolve = 0.0f;
    std::int32_t illuminationModel = 0;
    std::string ambientMap;
    std::string diffuseMap;
    std::string specularMap;
    std::string specularHighlightMap;
    std::string alphaMap;
    std::string bumpMap;
};

} // namespace objl
