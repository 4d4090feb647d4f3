#include "physics/ShapeText.h"

#include "core/PropertyText.h"

#include <boost/regex.hpp>
#include <box2d/box2d.h>

#include <cmath>
#include <vector>

namespace ShapeText {

namespace {

// A keyword, white space, then runs of number characters and white space. This is
// the language of "(Box|Polygon|Edge|Circle|Chain)\s+([-0-9.eE]+\s*)+" written
// without the nested repetition, which backtracks exponentially on long bad input.
const boost::regex kSyntax(R"((Box|Polygon|Edge|Circle|Chain)\s+[-0-9.eE][-0-9.eE\s]*)");
const boost::regex kKeywordAndRest(R"(^(\w+)\s+(.+)$)");
const boost::regex kNumber(R"(([-0-9.eE]+)\s*)");

struct Numbers {
    std::vector<float> values;
    std::string badRun;  // the first run that is no float, if any
};

Numbers CollectNumbers(const std::string& rest) {
    Numbers numbers;
    for (boost::sregex_iterator it(rest.begin(), rest.end(), kNumber), end; it != end; ++it) {
        const std::string run = (*it)[1].str();
        const std::optional<float> value = PropertyText::ParseFloat(run);
        if (!value) {
            numbers.badRun = run;
            break;
        }
        numbers.values.push_back(*value);
    }
    return numbers;
}

std::vector<b2Vec2> PointsOf(const std::vector<float>& numbers) {
    std::vector<b2Vec2> points;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
        points.emplace_back(numbers[i], numbers[i + 1]);
    }
    return points;
}

// Box2D's collision code overflows and trips its own checks on coordinates far
// beyond any object's size, which only a typing slip produces.
constexpr float kLargestSize = 10000.0f;

bool InRange(float value) {
    return std::abs(value) <= kLargestSize;
}

std::string CheckRange(const std::vector<b2Vec2>& points) {
    for (const b2Vec2& p : points) {
        if (!InRange(p.x) || !InRange(p.y)) {
            return "coordinates are limited to 10000";
        }
    }
    return "";
}

float Cross(b2Vec2 a, b2Vec2 b) {
    return a.x * b.y - a.y * b.x;
}

// Box2D welds points closer than its linear slop; such text does not say what it means.
std::string CheckSeparated(const std::vector<b2Vec2>& points, bool consecutiveOnly) {
    if (std::string error = CheckRange(points); !error.empty()) {
        return error;
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        for (std::size_t j = i + 1; j < points.size(); ++j) {
            if (consecutiveOnly && j != i + 1) {
                break;
            }
            if (!(b2DistanceSquared(points[i], points[j]) > b2_linearSlop * b2_linearSlop)) {
                return "points " + std::to_string(i + 1) + " and " + std::to_string(j + 1) + " coincide";
            }
        }
    }
    return "";
}

// Strictly convex in either winding (Box2D orders the points itself), with an area
// Box2D accepts.
std::string CheckPolygon(const std::vector<b2Vec2>& points) {
    const std::size_t n = points.size();
    if (n < 3 || n > b2_maxPolygonVertices) {
        return "a polygon needs 3 to 8 points, not " + std::to_string(n);
    }
    if (std::string error = CheckSeparated(points, false); !error.empty()) {
        return error;
    }
    float twiceArea = 0.0f;
    for (std::size_t i = 0; i < n; ++i) {
        twiceArea += Cross(points[i], points[(i + 1) % n]);
    }
    if (!(std::abs(twiceArea) * 0.5f > 2.0f * b2_epsilon)) {
        return "the polygon has no area";
    }
    const float winding = twiceArea > 0.0f ? 1.0f : -1.0f;
    for (std::size_t i = 0; i < n; ++i) {
        const b2Vec2 edge = points[(i + 1) % n] - points[i];
        for (std::size_t k = 0; k < n; ++k) {
            if (k != i && k != (i + 1) % n && !(winding * Cross(edge, points[k] - points[i]) > 0.0f)) {
                return "the polygon is not convex";
            }
        }
    }
    return "";
}

void Reject(Parsed& parsed, std::string error) {
    parsed.Shape.reset();
    parsed.Error = std::move(error);
}

void MakePolygon(Parsed& parsed, const std::vector<b2Vec2>& points) {
    if (std::string error = CheckPolygon(points); !error.empty()) {
        return Reject(parsed, std::move(error));
    }
    auto polygon = std::make_unique<b2PolygonShape>();
    polygon->Set(points.data(), static_cast<int32>(points.size()));
    parsed.Shape = std::move(polygon);
}

void MakeBox(Parsed& parsed, const std::vector<float>& numbers) {
    if (numbers.size() < 2) {
        return Reject(parsed, "a box needs a half-width and a half-height");
    }
    const float hx = numbers[0];
    const float hy = numbers[1];
    if (!(hx > 0.0f && hy > 0.0f)) {
        return Reject(parsed, "a box needs positive half-sizes");
    }
    if (!InRange(hx) || !InRange(hy)) {
        return Reject(parsed, "sizes are limited to 10000");
    }
    if (!CheckPolygon({{-hx, -hy}, {hx, -hy}, {hx, hy}, {-hx, hy}}).empty()) {
        return Reject(parsed, "the box is too small");
    }
    auto box = std::make_unique<b2PolygonShape>();
    box->SetAsBox(hx, hy);
    parsed.Shape = std::move(box);
    parsed.IsBox = true;
    parsed.BoxHalfSize = {hx, hy};
}

void MakeCircle(Parsed& parsed, const std::vector<float>& numbers) {
    if (numbers.empty() || !(numbers[0] > 0.0f)) {
        return Reject(parsed, "a circle needs a positive radius");
    }
    if (!InRange(numbers[0])) {
        return Reject(parsed, "sizes are limited to 10000");
    }
    auto circle = std::make_unique<b2CircleShape>();
    circle->m_radius = numbers[0];
    circle->m_p.SetZero();
    parsed.Shape = std::move(circle);
}

void MakeEdge(Parsed& parsed, const std::vector<b2Vec2>& points) {
    if (points.size() < 2) {
        return Reject(parsed, "an edge needs two points");
    }
    const std::vector<b2Vec2> ends{points[0], points[1]};
    if (std::string error = CheckSeparated(ends, true); !error.empty()) {
        return Reject(parsed, std::move(error));
    }
    auto edge = std::make_unique<b2EdgeShape>();
    edge->SetTwoSided(ends[0], ends[1]);
    parsed.Shape = std::move(edge);
}

void MakeChain(Parsed& parsed, const std::vector<b2Vec2>& points) {
    if (points.size() < 2) {
        return Reject(parsed, "a chain needs at least two points");
    }
    if (std::string error = CheckSeparated(points, true); !error.empty()) {
        return Reject(parsed, std::move(error));
    }
    // The ghost vertices carry the end segments straight on.
    const std::size_t n = points.size();
    const b2Vec2 before = points[0] + (points[0] - points[1]);
    const b2Vec2 after = points[n - 1] + (points[n - 1] - points[n - 2]);
    auto chain = std::make_unique<b2ChainShape>();
    chain->CreateChain(points.data(), static_cast<int32>(n), before, after);
    parsed.Shape = std::move(chain);
}

std::string FormatPoints(const b2Vec2* points, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += (i == 0 ? "" : " ") + PropertyText::FormatFloat(points[i].x) + " " +
                PropertyText::FormatFloat(points[i].y);
    }
    return text;
}

}  // namespace

Parsed Parse(const std::string& text) {
    Parsed parsed;
    if (text.empty()) {
        return parsed;
    }
    boost::smatch parts;
    if (!boost::regex_match(text, kSyntax) || !boost::regex_match(text, parts, kKeywordAndRest)) {
        Reject(parsed, "expected Box, Polygon, Edge, Circle or Chain followed by numbers");
        return parsed;
    }
    const std::string keyword = parts[1].str();
    const Numbers numbers = CollectNumbers(parts[2].str());
    if (!numbers.badRun.empty()) {
        Reject(parsed, "\"" + numbers.badRun + "\" is not a number");
        return parsed;
    }
    if (keyword == "Box") {
        MakeBox(parsed, numbers.values);
    } else if (keyword == "Circle") {
        MakeCircle(parsed, numbers.values);
    } else if (keyword == "Polygon") {
        MakePolygon(parsed, PointsOf(numbers.values));
    } else if (keyword == "Edge") {
        MakeEdge(parsed, PointsOf(numbers.values));
    } else {
        MakeChain(parsed, PointsOf(numbers.values));
    }
    return parsed;
}

std::string Format(const b2Shape* shape, bool isBox, Vector2 boxHalfSize) {
    if (shape == nullptr) {
        return "";
    }
    switch (shape->GetType()) {
    case b2Shape::e_polygon: {
        if (isBox) {
            return "Box " + PropertyText::FormatFloat(boxHalfSize.x) + " " + PropertyText::FormatFloat(boxHalfSize.y);
        }
        const auto* polygon = static_cast<const b2PolygonShape*>(shape);
        return "Polygon " + FormatPoints(polygon->m_vertices, polygon->m_count);
    }
    case b2Shape::e_circle:
        return "Circle " + PropertyText::FormatFloat(shape->m_radius);
    case b2Shape::e_edge: {
        const auto* edge = static_cast<const b2EdgeShape*>(shape);
        const b2Vec2 ends[2] = {edge->m_vertex1, edge->m_vertex2};
        return "Edge " + FormatPoints(ends, 2);
    }
    case b2Shape::e_chain: {
        const auto* chain = static_cast<const b2ChainShape*>(shape);
        return "Chain " + FormatPoints(chain->m_vertices, chain->m_count);
    }
    default:
        return "";
    }
}

}  // namespace ShapeText
