// Peer of the sprite benchmark: SFML, all sprites in one sf::VertexArray of quads
// drawn once per frame. Prints as spritebench::Report says.
#include "../SpriteBenchHarness.h"

#include <SFML/Graphics.hpp>

#include <cstdio>

namespace {

class SfmlScene {
public:
    SfmlScene() : window_(sf::VideoMode(spritebench::kWidth, spritebench::kHeight), "Vellimor peer SFML") {
        window_.setVerticalSyncEnabled(false);
        const auto pixels = spritebench::BallPixels();
        sf::Image image;
        image.create(spritebench::kSpriteSize, spritebench::kSpriteSize, pixels.data());
        texture_.loadFromImage(image);
        texture_.setSmooth(true);
    }

    void SetCount(int n) {
        movers_.Reset(n);
        vertices_.setPrimitiveType(sf::Quads);
        vertices_.resize(static_cast<std::size_t>(n) * 4);
    }

    void Frame() {
        sf::Event event;
        while (window_.pollEvent(event)) {
        }
        movers_.Step();
        const float h = spritebench::kSpriteSize / 2.0f;
        const float s = spritebench::kSpriteSize;
        for (std::size_t i = 0; i < movers_.x.size(); ++i) {
            const float x = movers_.x[i];
            const float y = movers_.y[i];
            sf::Vertex* v = &vertices_[i * 4];
            v[0] = sf::Vertex({x - h, y - h}, {0, 0});
            v[1] = sf::Vertex({x + h, y - h}, {s, 0});
            v[2] = sf::Vertex({x + h, y + h}, {s, s});
            v[3] = sf::Vertex({x - h, y + h}, {0, s});
        }
        window_.clear(sf::Color::Black);
        window_.draw(vertices_, &texture_);
        window_.display();
    }

private:
    sf::RenderWindow window_;
    sf::Texture texture_;
    sf::VertexArray vertices_;
    spritebench::Movers movers_;
};

}  // namespace

int main(int argc, char** argv) {
    SfmlScene scene;
    spritebench::Report(scene, "sfml", argc, argv);
    return 0;
}
