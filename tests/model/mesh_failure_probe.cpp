// Builds the mesh geometry from compiled-in model texts that cannot be read, as the saver would
// at start-up. The geometry ends the process with its message; getting past it is a failure.
#include "model/mesh_geometry.h"
#include "resources/resource_ids.h"

#include <cstdio>

int main() {
    MeshGeometry geometry(RES_RECTANGLE_MODEL, RES_RECTANGLE_MATERIALS, 1.0f);
    std::printf("the unreadable model was accepted\n");
    return 1;
}
