// Light sprites. The colour image gives a light's strength (its fall-off lives in
// alpha, the tint gives the colour); the normal image gives, per pixel, the
// direction towards the light in sprite space (x right, y up), encoded as
// d * 0.5 + 0.5. The specular image is unused by lights but completes the set.
#include "ArtOutput.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

std::uint8_t Byte(float v) { return std::uint8_t(std::clamp(std::lround(v * 255.0f), 0L, 255L)); }

void PutDirection(Image& normals, int x, int y, float dx, float dy, float dz) {
    const float len = std::sqrt(dx * dx + dy * dy + dz * dz);
    std::uint8_t* p = normals.Pixel(x, y);
    p[0] = Byte(dx / len * 0.5f + 0.5f);
    p[1] = Byte(dy / len * 0.5f + 0.5f);
    p[2] = Byte(dz / len * 0.5f + 0.5f);
    p[3] = 255;
}

Image Filled(int size, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a) {
    Image image = BlankImage(size, size);
    for (std::size_t i = 0; i < image.Rgba.size(); i += 4) {
        image.Rgba[i] = r;
        image.Rgba[i + 1] = g;
        image.Rgba[i + 2] = b;
        image.Rgba[i + 3] = a;
    }
    return image;
}

// A point light hanging `height` (in radii) above the sprite's centre. The
// fall-off is given as alpha over the distance from the centre (0..1).
void WritePointLight(const std::filesystem::path& dir, const std::string& name, int size, float height,
                     const std::function<float(float)>& falloff) {
    Image colour = Filled(size, 255, 255, 255, 0), normals = Filled(size, 128, 128, 255, 255);
    const Image specular = Filled(size, 0, 0, 0, 255);
    const float centre = float(size) / 2, radius = float(size) / 2;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const float dx = (float(x) + 0.5f - centre) / radius, drow = (float(y) + 0.5f - centre) / radius;
            const float d = std::sqrt(dx * dx + drow * drow);
            colour.Pixel(x, y)[3] = Byte(d < 1 ? falloff(d) : 0.0f);
            PutDirection(normals, x, y, -dx, drow, height);  // towards the centre; image rows run down
        }
    WriteSpriteImages(colour, &normals, &specular, dir, name);
}

}  // namespace

void DrawLights(const std::filesystem::path& atlasDirectory) {
    // The ambient light's direction map: a hemisphere seen from above. The texel at
    // (u, v) in [-1, 1]^2 (v down the image) holds the direction (u, -v, z) of the
    // hemisphere's surface there; outside the disc, the horizon direction.
    constexpr int kHemisphere = 60;
    Image colour = Filled(kHemisphere, 255, 255, 255, 255), normals = Filled(kHemisphere, 128, 128, 255, 255);
    const Image specular = Filled(kHemisphere, 0, 0, 0, 255);
    for (int y = 0; y < kHemisphere; ++y)
        for (int x = 0; x < kHemisphere; ++x) {
            float u = (float(x) + 0.5f) / kHemisphere * 2 - 1, v = (float(y) + 0.5f) / kHemisphere * 2 - 1;
            const float r = std::sqrt(u * u + v * v);
            if (r > 1)
                u /= r, v /= r;
            PutDirection(normals, x, y, u, -v, std::sqrt(std::max(0.0f, 1 - u * u - v * v)));
        }
    WriteSpriteImages(colour, &normals, &specular, atlasDirectory, "Hemisphere");

    // The flashlight's pool: bright in the middle, a soft rim, the lamp high above.
    WritePointLight(atlasDirectory, "Flashlight", 252, 0.9f, [](float d) {
        return 0.85f * (1 - Smoothstep(0.55f, 1.0f, d)) + 0.15f * (1 - d * d);
    });
    // Fire: close to the ground, so it rakes across the surfaces around it.
    WritePointLight(atlasDirectory, "FireLight", 124, 0.35f, [](float d) { return std::pow(1 - d, 1.6f); });
    // The magnifying glass's focus: a small, hard, very bright spot.
    WritePointLight(atlasDirectory, "FocusSpot", 28, 0.6f, [](float d) {
        return std::exp(-d * d * 9.0f) * (1 - Smoothstep(0.8f, 1.0f, d));
    });
}
