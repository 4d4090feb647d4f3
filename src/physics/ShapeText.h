#pragma once

#include "core/Vector2.h"

#include <memory>
#include <string>

class b2Shape;

// The one-line text form of a collision shape: a keyword ("Box", "Polygon", "Edge",
// "Circle", "Chain"), white space, then numbers separated by white space.
//
//     Box 0.5 0.25          half-width and half-height, centred on the body origin
//     Polygon 0 0 1 0 0.5 1 a convex polygon, 3 to 8 points
//     Circle 0.3            radius, centred on the body origin
//     Edge 0 0 2 0          a segment through the first two points
//     Chain 0 0 1 1 2 0     an open chain through all points (at least two)
//
// Points are read as pairs; an odd last number is dropped, and so are numbers past
// what Box and Circle use. Text that Box2D could not build from or collide safely
// (a degenerate or non-convex polygon, a size that is not positive, coordinates
// beyond 10000) is rejected here, because Box2D's own checks end the process.
namespace ShapeText {

struct Parsed {
    // Null when the text was rejected.
    std::unique_ptr<b2Shape> Shape;
    bool IsBox = false;
    Vector2 BoxHalfSize;
    // Why the text was rejected; empty for the empty text, which means "no shape".
    std::string Error;
};

Parsed Parse(const std::string& text);

// "" without a shape; a Box made from text reads back as "Box hx hy".
std::string Format(const b2Shape* shape, bool isBox, Vector2 boxHalfSize);

}  // namespace ShapeText
