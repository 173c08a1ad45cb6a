#include "model/triangulation.h"

#include "model/vector_math.h"

#include <cstddef>

namespace objl {

namespace {

constexpr double degreesPerRadian = 57.29577951307855;

// Corners are identified by position, so a triangle takes every corner at each of its three
// positions; with distinct positions that is three indices in ascending order.
void emitTriangle(const std::vector<Vertex>& corners, const Vertex& a, const Vertex& b,
                  const Vertex& c, std::vector<std::uint32_t>& indices) {
    for (std::size_t j = 0; j < corners.size(); ++j) {
        const std::uint32_t index = static_cast<std::uint32_t>(j);
        if (corners[j].position == a.position) {
            indices.push_back(index);
        }
        if (corners[j].position == b.position) {
            indices.push_back(index);
        }
        if (corners[j].position == c.position) {
            indices.push_back(index);
        }
    }
}

bool anyCornerInside(const std::vector<Vertex>& corners, const Vertex& prev, const Vertex& cur,
                     const Vertex& next) {
    for (const Vertex& corner : corners) {
        const Vector3& p = corner.position;
        if (pointInTriangle(p, prev.position, cur.position, next.position) && p != prev.position &&
            p != cur.position && p != next.position) {
            return true;
        }
    }
    return false;
}

// Removes the first corner at the clipped corner's position. A NaN position matches nothing, so
// the clipped corner itself goes then; either way the polygon shrinks and the pass ends.
void removeClipped(std::vector<Vertex>& working, std::size_t clipped) {
    std::size_t victim = clipped;
    for (std::size_t k = 0; k < working.size(); ++k) {
        if (working[k].position == working[clipped].position) {
            victim = k;
            break;
        }
    }
    working.erase(working.begin() + static_cast<std::ptrdiff_t>(victim));
}

// One pass over the working polygon; returns whether it emitted anything.
bool clipPass(const std::vector<Vertex>& corners, std::vector<Vertex>& working,
              std::vector<std::uint32_t>& indices) {
    bool emitted = false;
    std::size_t i = 0;
    while (i < working.size()) {
        const std::size_t count = working.size();
        const Vertex prev = working[i == 0 ? count - 1 : i - 1];
        const Vertex cur = working[i];
        const Vertex next = working[i + 1 == count ? 0 : i + 1];

        if (count == 4) {
            emitTriangle(corners, cur, prev, next, indices);
            Vertex fourth;
            for (const Vertex& candidate : working) {
                if (candidate.position != cur.position && candidate.position != prev.position &&
                    candidate.position != next.position) {
                    fourth = candidate;
                    break;
                }
            }
            emitTriangle(corners, prev, next, fourth, indices);
            working.clear();
            return true;
        }

        const double angle =
            angleBetween(prev.position - cur.position, next.position - cur.position) *
            degreesPerRadian;
        if (angle <= 0.0 || angle >= 180.0) {
            ++i;
            continue;
        }
        if (anyCornerInside(corners, prev, cur, next)) {
            ++i;
            continue;
        }

        emitTriangle(corners, cur, prev, next, indices);
        emitted = true;
        removeClipped(working, i);
        i = 0;
    }
    return emitted;
}

} // namespace

std::vector<std::uint32_t> triangulatePolygon(const std::vector<Vertex>& corners) {
    std::vector<std::uint32_t> indices;
    if (corners.size() < 3) {
        return indices;
    }
    if (corners.size() == 3) {
        return {0, 1, 2};
    }

    // Every emitting pass shrinks the working polygon, so ending on the first pass that clips
    // nothing bounds the loop; the corners left then have no clippable ear and are dropped.
    std::vector<Vertex> working = corners;
    while (!working.empty() && clipPass(corners, working, indices)) {
    }
    return indices;
}

} // namespace objl
