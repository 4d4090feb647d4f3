#pragma once

#include "Image.h"

#include <functional>
#include <vector>

// What a shape puts at one point: colour with opacity, surface height in pixels
// and specular intensity (0..1).
struct Paint {
    float R = 0, G = 0, B = 0, A = 1;
    float Height = 0;
    float Specular = 0;
};

// A supersampled drawing surface for sprites. Shapes are painted front to back in
// call order ("over"); besides colour it keeps a height field and a specular mask,
// from which the normal map is derived, so lit sprites get relief from the same
// drawing calls that give them colour.
class Canvas {
public:
    // A shape: given a point in pixel coordinates (y down), fill `paint` and return
    // true when the point is inside.
    using Shape = std::function<bool(float x, float y, Paint& paint)>;

    Canvas(int width, int height, int supersampling = 4, bool tiling = false);

    void Draw(const Shape& shape);
    // Same, only over the bounding box [x0, x1) x [y0, y1) in pixels (faster).
    void Draw(const Shape& shape, float x0, float y0, float x1, float y1);

    Image Colour() const;
    // Normals in sprite space (x right, y up, z out of the screen) as n * 0.5 + 0.5.
    Image Normals() const;
    Image Specular() const;

    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    struct Sample {
        float R = 0, G = 0, B = 0, A = 0, Height = 0, Specular = 0;
    };
    const Sample& At(int x, int y) const;  // subsample coordinates, wrapped when tiling

    int width_, height_, ss_;
    bool tiling_;
    std::vector<Sample> samples_;
};

// 0 below e0, 1 above e1, a smooth S-curve between.
inline float Smoothstep(float e0, float e1, float x) {
    const float t = x <= e0 ? 0.0f : x >= e1 ? 1.0f : (x - e0) / (e1 - e0);
    return t * t * (3 - 2 * t);
}

// Shape helpers: signed distances in pixels (negative inside).
namespace Sdf {
float Ellipse(float x, float y, float cx, float cy, float rx, float ry);
float Segment(float x, float y, float ax, float ay, float bx, float by, float radius);
// 0 at the outline, 1 at the centre of an ellipse: for dome heights.
float Dome(float x, float y, float cx, float cy, float rx, float ry);
}  // namespace Sdf
