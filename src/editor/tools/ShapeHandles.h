#pragma once

#include "core/Vector2.h"

#include <cstddef>
#include <string>
#include <vector>

// The shape editor's handles of one shape text, in body coordinates: a polygon's
// points, a box's two handles (hx, 0) and (0, hy), a circle's one (r, 0). Edge, Chain
// and empty texts have none. ToText builds the text back; a box or circle never gets
// a size below MinSize there.
struct ShapeHandles {
    enum class Kind { None, Box, Polygon, Circle };
    static constexpr float MinSize = 0.01f;
    static constexpr std::size_t MinPolygonPoints = 3;
    static constexpr std::size_t MaxPolygonPoints = 8;

    Kind ShapeKind = Kind::None;
    std::vector<Vector2> Points;

    static ShapeHandles FromText(const std::string& text);
    std::string ToText() const;

    // Polygons only, within 3 to 8 points; false when nothing changed.
    bool InsertAfter(std::size_t index, Vector2 point);
    bool Erase(std::size_t index);
};
