// libFuzzer target over the shape text. Whatever the parser accepts must build a
// fixture on a dynamic body without tripping Box2D's assertions (which end the
// process), and its printed form must parse back to the same printed form.
#include "physics/ShapeText.h"

#include <box2d/box2d.h>

#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ShapeText::Parsed parsed = ShapeText::Parse(text);
    if (parsed.Shape == nullptr) {
        return 0;
    }
    b2World world(b2Vec2(0.0f, -10.0f));
    b2BodyDef definition;
    definition.type = b2_dynamicBody;
    world.CreateBody(&definition)->CreateFixture(parsed.Shape.get(), 1.0f);
    world.Step(1.0f / 60.0f, 8, 3);

    const std::string printed = ShapeText::Format(parsed.Shape.get(), parsed.IsBox, parsed.BoxHalfSize);
    const ShapeText::Parsed again = ShapeText::Parse(printed);
    const std::string reprinted = ShapeText::Format(again.Shape.get(), again.IsBox, again.BoxHalfSize);
    if (reprinted != printed) {
        std::fprintf(stderr, "shape text \"%s\" printed \"%s\", read back as \"%s\"\n", text.c_str(), printed.c_str(),
                     reprinted.c_str());
        std::abort();
    }
    return 0;
}
