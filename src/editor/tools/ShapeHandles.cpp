#include "editor/tools/ShapeHandles.h"

#include "core/PropertyText.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

std::vector<float> ReadNumbers(std::istringstream& in) {
    std::vector<float> numbers;
    for (float value = 0.0f; in >> value;) {
        numbers.push_back(value);
    }
    return numbers;
}

std::string Number(float value) { return PropertyText::FormatFloat(value); }

}  // namespace

ShapeHandles ShapeHandles::FromText(const std::string& text) {
    std::istringstream in(text);
    std::string keyword;
    in >> keyword;
    const std::vector<float> numbers = ReadNumbers(in);
    ShapeHandles handles;
    if (keyword == "Polygon") {
        handles.ShapeKind = Kind::Polygon;
        for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
            handles.Points.emplace_back(numbers[i], numbers[i + 1]);
        }
    } else if (keyword == "Box" && numbers.size() >= 2) {
        handles.ShapeKind = Kind::Box;
        handles.Points = {Vector2(numbers[0], 0.0f), Vector2(0.0f, numbers[1])};
    } else if (keyword == "Circle" && !numbers.empty()) {
        handles.ShapeKind = Kind::Circle;
        handles.Points = {Vector2(numbers[0], 0.0f)};
    }
    return handles;
}

std::string ShapeHandles::ToText() const {
    switch (ShapeKind) {
        case Kind::Box:
            return "Box " + Number(std::max(Points[0].x, MinSize)) + " " + Number(std::max(Points[1].y, MinSize));
        case Kind::Circle:
            return "Circle " + Number(std::max(std::hypot(Points[0].x, Points[0].y), MinSize));
        case Kind::Polygon: {
            std::string text = "Polygon";
            for (Vector2 p : Points) {
                text += " " + Number(p.x) + " " + Number(p.y);
            }
            return text;
        }
        case Kind::None: break;
    }
    return "";
}

bool ShapeHandles::InsertAfter(std::size_t index, Vector2 point) {
    if (ShapeKind != Kind::Polygon || index >= Points.size() || Points.size() >= MaxPolygonPoints) {
        return false;
    }
    Points.insert(Points.begin() + static_cast<std::ptrdiff_t>(index) + 1, point);
    return true;
}

bool ShapeHandles::Erase(std::size_t index) {
    if (ShapeKind != Kind::Polygon || index >= Points.size() || Points.size() <= MinPolygonPoints) {
        return false;
    }
    Points.erase(Points.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}
