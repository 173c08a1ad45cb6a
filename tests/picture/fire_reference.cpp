#include "tests/picture/fire_reference.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr float kPi = 3.1415926535897932384626433832795f;

using V3 = std::array<float, 3>;
using V4 = std::array<float, 4>;

float fractOf(float v) {
    return v - std::floor(v);
}

// GLSL's mod: the result takes the divisor's sign.
float modOf(float a, float b) {
    return a - b * std::floor(a / b);
}

float wrap289(float v) {
    return v - std::floor(v * (1.0f / 289.0f)) * 289.0f;
}

float hash289(float v) {
    return wrap289((v * 34.0f + 1.0f) * v);
}

float dot3(const V3& a, const V3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

float lengthOf(float a, float b) {
    return std::sqrt(a * a + b * b);
}

// Lattice corner k (0..3) of the simplex: its integer offset from the base corner.
V3 cornerOffset(int k, const V3& i1, const V3& i2) {
    switch (k) {
    case 0:
        return {0.0f, 0.0f, 0.0f};
    case 1:
        return i1;
    case 2:
        return i2;
    default:
        return {1.0f, 1.0f, 1.0f};
    }
}

// 3D simplex noise, about -1 to 1.
float simplexNoise(float vx, float vy, float vz) {
    const V3 v = {vx, vy, vz};
    const float third = 1.0f / 3.0f;
    const float sixth = 1.0f / 6.0f;

    float skew = (v[0] + v[1] + v[2]) * third;
    V3 base;
    for (int c = 0; c < 3; ++c) {
        base[c] = std::floor(v[c] + skew);
    }
    float unskew = (base[0] + base[1] + base[2]) * sixth;
    V3 x0;
    for (int c = 0; c < 3; ++c) {
        x0[c] = v[c] - base[c] + unskew;
    }

    // Which axes are walked first: g[c] is 1 where x0[c] >= x0[c + 1].
    V3 g, l;
    for (int c = 0; c < 3; ++c) {
        g[c] = x0[c] >= x0[(c + 1) % 3] ? 1.0f : 0.0f;
        l[c] = 1.0f - g[c];
    }
    V3 i1, i2;
    for (int c = 0; c < 3; ++c) {
        float lPrev = l[(c + 2) % 3];
        i1[c] = std::min(g[c], lPrev);
        i2[c] = std::max(g[c], lPrev);
    }

    std::array<V3, 4> corners;
    for (int c = 0; c < 3; ++c) {
        corners[0][c] = x0[c];
        corners[1][c] = x0[c] - i1[c] + sixth;
        corners[2][c] = x0[c] - i2[c] + third;
        corners[3][c] = x0[c] - 0.5f;
    }

    V3 wrapped;
    for (int c = 0; c < 3; ++c) {
        wrapped[c] = wrap289(base[c]);
    }

    float result = 0.0f;
    for (int k = 0; k < 4; ++k) {
        V3 o = cornerOffset(k, i1, i2);
        float p = hash289(wrapped[2] + o[2]);
        p = hash289(p + wrapped[1] + o[1]);
        p = hash289(p + wrapped[0] + o[0]);

        // 49 gradients on a 7 by 7 grid, folded onto the octahedron.
        const float n = 0.142857142857f;
        const float nsx = n * 2.0f;
        const float nsy = n * 0.5f - 1.0f;
        const float nsz = n;
        float j = p - 49.0f * std::floor(p * nsz * nsz);
        float xi = std::floor(j * nsz);
        float yi = std::floor(j - 7.0f * xi);
        float gx = xi * nsx + nsy;
        float gy = yi * nsx + nsy;
        float h = 1.0f - std::fabs(gx) - std::fabs(gy);
        if (h <= 0.0f) {
            gx = gx - (std::floor(gx) * 2.0f + 1.0f);
            gy = gy - (std::floor(gy) * 2.0f + 1.0f);
        }
        V3 grad = {gx, gy, h};
        float inv = 1.0f / std::sqrt(dot3(grad, grad));
        for (float& c : grad) {
            c *= inv;
        }

        const V3& d = corners[k];
        float m = std::max(0.6f - dot3(d, d), 0.0f);
        m = m * m;
        result += m * m * dot3(grad, d);
    }
    return 42.0f * result;
}

// A hash of the spark cell, in [0, 1).
float sparkHash(float x, float y) {
    float sx = fractOf(x * 5.3983f);
    float sy = fractOf(y * 5.4427f);
    float d = sy * (sx + 21.5351f) + sx * (sy + 14.3137f);
    sx += d;
    sy += d;
    return fractOf(sx * sy * 95.4337f);
}

// Noise for a stack of octaves, mapped from [-1, 1] to [0, 1].
float stack(V3 pos, int octaves, float falloff) {
    float noise = simplexNoise(pos[0], pos[1], pos[2]);
    float off = 1.0f;
    for (int octave = 2; octave <= std::min(octaves, 4); ++octave) {
        for (float& c : pos) {
            c *= 2.0f;
        }
        off *= falloff;
        noise = (1.0f - off) * noise + off * simplexNoise(pos[0], pos[1], pos[2]);
    }
    return (1.0f + noise) / 2.0f;
}

void stackPair(const V3& pos, int octaves, float falloff, float* u, float* v) {
    *u = stack(pos, octaves, falloff);
    *v = stack({pos[0] + 3984.293f, pos[1] + 423.21f, pos[2] + 5235.19f}, octaves, falloff);
}

} // namespace

FireLayers evaluateFireLayers(float x, float y, float W, float H, float T) {
    FireLayers out;

    float xpart = x / W;
    float ypart = y / H;
    float clip = H / 4.5f;
    float ypartClip = y / clip;
    float ypartClippedFalloff = std::clamp(2.0f - ypartClip, 0.0f, 1.0f);
    float ypartClipped = std::min(ypartClip, 1.0f);
    float ypartClippedn = 1.0f - ypartClipped;
    float xfuel = 1.0f - std::fabs(2.0f * xpart - 1.0f);
    float realtime = 0.5f * T;

    V3 position = {0.01f * x + 1223.0f, 0.01f * y + 6434.0f, 8425.0f};
    V3 flow = {4.1f * (0.5f - xpart) * std::pow(ypartClippedn, 4.0f),
               -2.0f * xfuel * std::pow(ypartClippedn, 64.0f), 0.0f};
    V3 timing = {realtime * 0.0f + flow[0], realtime * -1.7f + flow[1], realtime * 1.1f + flow[2]};

    // Flames.
    const V3 displaceScale = {1.0f, 0.5f, 1.0f};
    const V3 displaceDrift = {0.01f, -0.7f, 1.3f};
    V3 displacePos;
    for (int c = 0; c < 3; ++c) {
        displacePos[c] = displaceScale[c] * 2.4f * position[c] + realtime * displaceDrift[c];
    }
    V3 displace = {0.0f, 0.0f, 0.0f};
    stackPair(displacePos, 2, 0.4f, &displace[0], &displace[1]);
    const V3 coordScale = {2.0f, 1.0f, 1.0f};
    V3 noiseCoord;
    for (int c = 0; c < 3; ++c) {
        noiseCoord[c] = coordScale[c] * position[c] + timing[c] + 0.4f * displace[c];
    }
    float noise = stack(noiseCoord, 3, 0.4f);
    float flames = std::pow(ypartClipped, 0.3f * xfuel) * std::pow(noise, 0.3f * xfuel);
    float f = ypartClippedFalloff * std::pow(1.0f - flames * flames * flames, 8.0f);
    float f3 = f * f * f;
    out.fire = {1.5f * f, 1.5f * f3, 1.5f * f3 * f3};

    // Smoke.
    float smokeNoise =
        0.5f + simplexNoise(0.4f * position[0] + timing[0], 0.4f * position[1] + timing[1],
                            0.4f * position[2] + timing[2] * 0.2f) /
                   2.0f;
    out.smoke =
        0.3f * std::pow(xfuel, 3.0f) * std::pow(ypart, 2.0f) * (smokeNoise + 0.4f * (1.0f - noise));

    // Sparks.
    float cell = H / 30.0f;
    float sx = x;
    float sy = y - 190.0f * realtime;
    float du = 0.0f, dv = 0.0f;
    stackPair({0.01f * sx, 0.01f * sy, 0.01f * (30.0f * T)}, 1, 0.4f, &du, &dv);
    sx -= 30.0f * du;
    sy -= 30.0f * dv;
    sx += 100.0f * flow[0];
    sy += 100.0f * flow[1];
    if (modOf(sy / cell, 2.0f) < 1.0f) {
        sx += 0.5f * cell;
    }
    float column = std::floor(sx / cell);
    float row = std::floor(sy / cell);
    float random = sparkHash(column, row);
    float life = std::min(
        10.0f *
            (1.0f - std::min((row + 190.0f * realtime / cell) / (24.0f - 20.0f * random), 1.0f)),
        1.0f);
    if (life > 0.0f) {
        float size = xfuel * xfuel * random * 0.08f;
        float angle = 999.0f * random * 2.0f * kPi + 2.0f * T;
        float radius = (0.5f - size) * cell;
        float mx = modOf(sx + radius * std::sin(angle), cell) - 0.5f * cell;
        float my = modOf(sy + radius * std::cos(angle), cell) - 0.5f * cell;
        float gray = std::max(0.0f, 1.0f - lengthOf(mx, my) / (size * cell));
        out.sparks = {life * gray, life * gray * 0.3f, 0.0f};
    }
    return out;
}

Rgb combineLayers(const FireLayers& layers) {
    return {std::max(layers.fire.r, layers.sparks.r) + layers.smoke,
            std::max(layers.fire.g, layers.sparks.g) + layers.smoke,
            std::max(layers.fire.b, layers.sparks.b) + layers.smoke};
}
