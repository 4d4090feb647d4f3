#include "graphics/DirectionalSpriteLightBhv.h"

DirectionalSpriteLightBhv::DirectionalSpriteLightBhv() {
    AddProxy<Vector2>("Direction", [this] { return GetDirection(); }, [this](Vector2 d) { SetDirection(d); });
}
