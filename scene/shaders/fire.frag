#version 140

// The fire: flames, smoke and sparks, computed per pixel from the window position, the viewport
// size and the time alone.
in vec2 fs_tex;

uniform float iTime;
uniform float viewportWidth;
uniform float viewportHeight;

const float PI = 3.1415926535897932384626433832795;

vec3 mod289(vec3 x)
{
    return x - floor(x * (1.0 / 289.0)) * 289.0;
}

vec4 mod289(vec4 x)
{
    return x - floor(x * (1.0 / 289.0)) * 289.0;
}

vec4 permute(vec4 x)
{
    return mod289((x * 34.0 + 1.0) * x);
}

vec4 taylorInvSqrt(vec4 r)
{
    return 1.79284291400159 - 0.85373472095314 * r;
}

// Simplex noise on the skewed 3D lattice; the gradients are normalised exactly.
float snoise(vec3 v)
{
    const vec2 C = vec2(1.0 / 6.0, 1.0 / 3.0);

    vec3 i = floor(v + dot(v, C.yyy));
    vec3 x0 = v - i + dot(i, C.xxx);

    vec3 g = step(x0.yzx, x0.xyz);
    vec3 l = 1.0 - g;
    vec3 i1 = min(g.xyz, l.zxy);
    vec3 i2 = max(g.xyz, l.zxy);

    vec3 x1 = x0 - i1 + C.xxx;
    vec3 x2 = x0 - i2 + C.yyy;
    vec3 x3 = x0 - 0.5;

    i = mod289(i);
    vec4 p = permute(permute(permute(i.z + vec4(0.0, i1.z, i2.z, 1.0))
                             + i.y + vec4(0.0, i1.y, i2.y, 1.0))
                     + i.x + vec4(0.0, i1.x, i2.x, 1.0));

    float n_ = 0.142857142857;
    vec3 ns = n_ * vec3(2.0, 0.5, 1.0) - vec3(0.0, 1.0, 0.0);

    vec4 j = p - 49.0 * floor(p * ns.z * ns.z);
    vec4 x_ = floor(j * ns.z);
    vec4 y_ = floor(j - 7.0 * x_);

    vec4 gx = x_ * ns.x + ns.yyyy;
    vec4 gy = y_ * ns.x + ns.yyyy;
    vec4 h = 1.0 - abs(gx) - abs(gy);

    vec4 b0 = vec4(gx.xy, gy.xy);
    vec4 b1 = vec4(gx.zw, gy.zw);
    vec4 s0 = floor(b0) * 2.0 + 1.0;
    vec4 s1 = floor(b1) * 2.0 + 1.0;
    vec4 sh = -step(h, vec4(0.0));

    vec4 a0 = b0.xzyw + s0.xzyw * sh.xxyy;
    vec4 a1 = b1.xzyw + s1.xzyw * sh.zzww;

    vec3 p0 = vec3(a0.xy, h.x);
    vec3 p1 = vec3(a0.zw, h.y);
    vec3 p2 = vec3(a1.xy, h.z);
    vec3 p3 = vec3(a1.zw, h.w);
    p0 *= inversesqrt(dot(p0, p0));
    p1 *= inversesqrt(dot(p1, p1));
    p2 *= inversesqrt(dot(p2, p2));
    p3 *= inversesqrt(dot(p3, p3));

    vec4 m = max(0.6 - vec4(dot(x0, x0), dot(x1, x1), dot(x2, x2), dot(x3, x3)), 0.0);
    m = m * m;
    return 42.0 * dot(m * m, vec4(dot(p0, x0), dot(p1, x1), dot(p2, x2), dot(p3, x3)));
}

float prng(in vec2 seed)
{
    seed = fract(seed * vec2(5.3983, 5.4427));
    seed += dot(seed.yx, seed.xy + vec2(21.5351, 14.3137));
    return fract(seed.x * seed.y * 95.4337);
}

// Octaves of noise at doubling frequency, each weighted by the falloff against the sum so far.
float noiseStack(vec3 pos, int octaves, float falloff)
{
    float noise = snoise(pos);
    float off = 1.0;
    if (octaves > 1) {
        pos *= 2.0;
        off *= falloff;
        noise = (1.0 - off) * noise + off * snoise(pos);
    }
    if (octaves > 2) {
        pos *= 2.0;
        off *= falloff;
        noise = (1.0 - off) * noise + off * snoise(pos);
    }
    if (octaves > 3) {
        pos *= 2.0;
        off *= falloff;
        noise = (1.0 - off) * noise + off * snoise(pos);
    }
    return (1.0 + noise) / 2.0;
}

vec2 noiseStackUV(vec3 pos, int octaves, float falloff, float diff)
{
    float displaceA = noiseStack(pos, octaves, falloff);
    float displaceB = noiseStack(pos + vec3(3984.293, 423.21, 5235.19), octaves, falloff);
    return vec2(displaceA, displaceB);
}

// Whole powers are written as products, and the two flame powers share one pow: a software
// rasteriser evaluates pow through exp2 and log2, which costs far more than a few multiplications.
float squared(float x)
{
    return x * x;
}

void main()
{
    vec2 resolution = vec2(viewportWidth, viewportHeight);
    vec2 drag = vec2(0.0);
    vec2 offset = vec2(0.0);

    float xpart = gl_FragCoord.x / viewportWidth;
    float ypart = gl_FragCoord.y / viewportHeight;

    float clip = viewportHeight / 4.5;
    float ypartClip = gl_FragCoord.y / clip;
    float ypartClippedFalloff = clamp(2.0 - ypartClip, 0.0, 1.0);
    float ypartClipped = min(ypartClip, 1.0);
    float ypartClippedn = 1.0 - ypartClipped;

    float xfuel = 1.0 - abs(2.0 * xpart - 1.0);

    float timeSpeed = 0.5;
    float realtime = timeSpeed * iTime;

    vec3 position = vec3(0.01 * gl_FragCoord.x + 1223.0 - 0.02 * offset.x,
                         0.01 * gl_FragCoord.y + 6434.0, 8425.0);
    float ypartClippedn4 = squared(squared(ypartClippedn));
    float ypartClippedn64 = squared(squared(squared(squared(ypartClippedn4))));
    vec3 flow = vec3(4.1 * (0.5 - xpart) * ypartClippedn4, -2.0 * xfuel * ypartClippedn64, 0.0);
    vec3 timing = realtime * vec3(0.0, -1.7, 1.1) + flow;

    // Flames: noise displaced by noise, shaped by the fuel across the bottom.
    vec3 displacePos = vec3(1.0, 0.5, 1.0) * 2.4 * position + realtime * vec3(0.01, -0.7, 1.3);
    vec3 displace3 = vec3(noiseStackUV(displacePos, 2, 0.4, 0.1), 0.0);
    vec3 noiseCoord = (vec3(2.0, 1.0, 1.0) * position + timing + 0.4 * displace3) / 1.0;
    float noise = noiseStack(noiseCoord, 3, 0.4);

    float flames = pow(ypartClipped * noise, 0.3 * xfuel);
    float f = ypartClippedFalloff * squared(squared(squared(1.0 - flames * flames * flames)));
    float fff = f * f * f;
    vec3 fire = 1.5 * vec3(f, fff, fff * fff);

    // Smoke: grey, thickening towards the top and the middle.
    float smokeNoise = 0.5 + snoise(0.4 * position + timing * vec3(1.0, 1.0, 0.2)) / 2.0;
    vec3 smoke = vec3(0.3 * xfuel * xfuel * xfuel * squared(ypart) * (smokeNoise + 0.4 * (1.0 - noise)));

    // Sparks: one per cell of a staggered grid 30 cells high, each circling its cell centre.
    float sparkGridSize = viewportHeight / 30.0;
    vec2 sparkCoord = gl_FragCoord.xy - vec2(2.0 * offset.x, 190.0 * realtime);
    sparkCoord -= 30.0 * noiseStackUV(0.01 * vec3(sparkCoord, 30.0 * iTime), 1, 0.4, 0.1);
    sparkCoord += 100.0 * flow.xy;
    if (mod(sparkCoord.y / sparkGridSize, 2.0) < 1.0) {
        sparkCoord.x += 0.5 * sparkGridSize;
    }
    vec2 sparkGridIndex = floor(sparkCoord / sparkGridSize);
    float sparkRandom = prng(sparkGridIndex);
    float sparkLife = min(10.0 * (1.0 - min((sparkGridIndex.y + (190.0 * realtime / sparkGridSize))
                                                / (24.0 - 20.0 * sparkRandom),
                                            1.0)),
                          1.0);
    vec3 sparks = vec3(0.0);
    if (sparkLife > 0.0) {
        float sparkSize = xfuel * xfuel * sparkRandom * 0.08;
        float sparkRadians = 999.0 * sparkRandom * 2.0 * PI + 2.0 * iTime;
        vec2 sparkCircular = vec2(sin(sparkRadians), cos(sparkRadians));
        vec2 sparkOffset = (0.5 - sparkSize) * sparkGridSize * sparkCircular;
        vec2 sparkModulus = mod(sparkCoord + sparkOffset, vec2(sparkGridSize)) - 0.5 * vec2(sparkGridSize);
        float sparkLength = length(sparkModulus);
        float sparksGray = max(0.0, 1.0 - sparkLength / (sparkSize * sparkGridSize));
        sparks = sparkLife * sparksGray * vec3(1.0, 0.3, 0.0);
    }

    gl_FragColor = vec4(max(fire, sparks) + smoke, 1.0);
}
//~
