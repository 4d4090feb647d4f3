// Peer of the sprite benchmark: SDL2's OpenGL renderer, all sprites in one
// SDL_RenderGeometry call per frame. Prints as spritebench::Report says, as "sdl2".
// The texture is filtered linearly, as the engine and the SFML peer filter theirs;
// SDL's own default, nearest, is what SDL_RENDER_SCALE_QUALITY=nearest in the
// environment gives ("sdl2-nearest"): a cheaper texel fetch, not the same work.
#include "../SpriteBenchHarness.h"

#include <SDL.h>

#include <cstdio>
#include <string>

namespace {

class SdlScene {
public:
    SdlScene() {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
        // The environment, when it names a quality, takes precedence over this.
        SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
        SDL_Init(SDL_INIT_VIDEO);
        window_ = SDL_CreateWindow("Vellimor peer SDL2", 0, 0, spritebench::kWidth, spritebench::kHeight, 0);
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
        const auto pixels = spritebench::BallPixels();
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ABGR8888, SDL_TEXTUREACCESS_STATIC,
                                     spritebench::kSpriteSize, spritebench::kSpriteSize);
        SDL_UpdateTexture(texture_, nullptr, pixels.data(), spritebench::kSpriteSize * 4);
        SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
    }
    ~SdlScene() {
        SDL_DestroyTexture(texture_);
        SDL_DestroyRenderer(renderer_);
        SDL_DestroyWindow(window_);
        SDL_Quit();
    }

    bool Ready() const { return renderer_ != nullptr && texture_ != nullptr; }
    SDL_Renderer* Renderer() const { return renderer_; }

    void SetCount(int n) {
        movers_.Reset(n);
        vertices_.resize(static_cast<std::size_t>(n) * 4);
        indices_.clear();
        for (int i = 0; i < n; ++i) {
            const int v = 4 * i;
            indices_.insert(indices_.end(), {v, v + 1, v + 2, v + 1, v + 3, v + 2});
        }
    }

    void Frame() {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) {
        }
        movers_.Step();
        const float h = spritebench::kSpriteSize / 2.0f;
        const SDL_Color white{255, 255, 255, 255};
        for (std::size_t i = 0; i < movers_.x.size(); ++i) {
            const float x = movers_.x[i];
            const float y = movers_.y[i];
            SDL_Vertex* v = &vertices_[i * 4];
            v[0] = {{x - h, y - h}, white, {0, 0}};
            v[1] = {{x + h, y - h}, white, {1, 0}};
            v[2] = {{x - h, y + h}, white, {0, 1}};
            v[3] = {{x + h, y + h}, white, {1, 1}};
        }
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_RenderGeometry(renderer_, texture_, vertices_.data(), static_cast<int>(vertices_.size()), indices_.data(),
                           static_cast<int>(indices_.size()));
        SDL_RenderPresent(renderer_);
    }

private:
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    spritebench::Movers movers_;
    std::vector<SDL_Vertex> vertices_;
    std::vector<int> indices_;
};

}  // namespace

int main(int argc, char** argv) {
    SdlScene scene;
    if (!scene.Ready()) {
        std::fprintf(stderr, "sdl2 peer: no OpenGL renderer: %s\n", SDL_GetError());
        return 1;
    }
    SDL_RendererInfo info;
    SDL_GetRendererInfo(scene.Renderer(), &info);
    std::fprintf(stderr, "sdl2 peer: renderer %s\n", info.name);
    const char* quality = SDL_GetHint(SDL_HINT_RENDER_SCALE_QUALITY);
    const bool nearest = quality != nullptr && (std::string(quality) == "nearest" || std::string(quality) == "0");
    spritebench::Report(scene, nearest ? "sdl2-nearest" : "sdl2", argc, argv);
    return 0;
}
