#include "Canvas.h"

#include <algorithm>
#include <cmath>

Canvas::Canvas(int width, int height, int supersampling, bool tiling)
    : width_(width), height_(height), ss_(supersampling), tiling_(tiling),
      samples_(std::size_t(width) * height * supersampling * supersampling) {}

void Canvas::Draw(const Shape& shape) { Draw(shape, 0, 0, float(width_), float(height_)); }

void Canvas::Draw(const Shape& shape, float x0, float y0, float x1, float y1) {
    const int W = width_ * ss_, H = height_ * ss_;
    const int sx0 = std::max(0, int(std::floor(x0 * ss_))), sy0 = std::max(0, int(std::floor(y0 * ss_)));
    const int sx1 = std::min(W, int(std::ceil(x1 * ss_))), sy1 = std::min(H, int(std::ceil(y1 * ss_)));
    for (int sy = sy0; sy < sy1; ++sy)
        for (int sx = sx0; sx < sx1; ++sx) {
            Paint p;
            if (!shape((float(sx) + 0.5f) / float(ss_), (float(sy) + 0.5f) / float(ss_), p) || p.A <= 0)
                continue;
            Sample& s = samples_[std::size_t(sy) * W + sx];
            const float a = std::min(p.A, 1.0f), keep = 1 - a;
            s.R = p.R * a + s.R * keep;
            s.G = p.G * a + s.G * keep;
            s.B = p.B * a + s.B * keep;
            s.Height = p.Height * a + s.Height * keep;
            s.Specular = p.Specular * a + s.Specular * keep;
            s.A = a + s.A * keep;
        }
}

const Canvas::Sample& Canvas::At(int x, int y) const {
    const int W = width_ * ss_, H = height_ * ss_;
    if (tiling_) {
        x = (x % W + W) % W;
        y = (y % H + H) % H;
    } else {
        x = std::clamp(x, 0, W - 1);
        y = std::clamp(y, 0, H - 1);
    }
    return samples_[std::size_t(y) * W + x];
}

namespace {

std::uint8_t Byte(float v) { return std::uint8_t(std::clamp(std::lround(v * 255.0f), 0L, 255L)); }

}  // namespace

Image Canvas::Colour() const {
    Image image = BlankImage(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < ss_; ++j)
                for (int i = 0; i < ss_; ++i) {
                    const Sample& s = At(x * ss_ + i, y * ss_ + j);
                    r += s.R;  // samples hold premultiplied colour
                    g += s.G;
                    b += s.B;
                    a += s.A;
                }
            std::uint8_t* p = image.Pixel(x, y);
            if (a > 0) {
                p[0] = Byte(r / a);
                p[1] = Byte(g / a);
                p[2] = Byte(b / a);
            }
            p[3] = Byte(a / float(ss_ * ss_));
        }
    // Transparent pixels take the colour of an opaque neighbour, so filtering at
    // the outline blends towards the sprite's own colour instead of black.
    for (int pass = 0; pass < 3; ++pass) {
        Image grown = image;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                if (image.Pixel(x, y)[3] != 0 || (image.Pixel(x, y)[0] | image.Pixel(x, y)[1] | image.Pixel(x, y)[2]))
                    continue;
                for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_)
                        continue;
                    const std::uint8_t* n = image.Pixel(nx, ny);
                    if (n[3] != 0 || (n[0] | n[1] | n[2])) {
                        std::copy_n(n, 3, grown.Pixel(x, y));
                        break;
                    }
                }
            }
        image = grown;
    }
    return image;
}

Image Canvas::Normals() const {
    Image image = BlankImage(width_, height_);
    const float step = 2.0f / float(ss_);  // central difference span in pixels
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float nx = 0, ny = 0, nz = 0, a = 0;
            for (int j = 0; j < ss_; ++j)
                for (int i = 0; i < ss_; ++i) {
                    const int sx = x * ss_ + i, sy = y * ss_ + j;
                    const float w = At(sx, sy).A;
                    const float dhdx = (At(sx + 1, sy).Height - At(sx - 1, sy).Height) / step;
                    const float dhdrow = (At(sx, sy + 1).Height - At(sx, sy - 1).Height) / step;
                    // Rows run down the image while sprite space y runs up.
                    const float len = std::sqrt(dhdx * dhdx + dhdrow * dhdrow + 1);
                    nx += w * -dhdx / len;
                    ny += w * dhdrow / len;
                    nz += w / len;
                    a += w;
                }
            std::uint8_t* p = image.Pixel(x, y);
            const float len = std::sqrt(nx * nx + ny * ny + nz * nz);
            if (a <= 0 || len <= 0) {
                p[0] = p[1] = 128;
                p[2] = 255;
                continue;
            }
            p[0] = Byte(nx / len * 0.5f + 0.5f);
            p[1] = Byte(ny / len * 0.5f + 0.5f);
            p[2] = Byte(nz / len * 0.5f + 0.5f);
            p[3] = Byte(a / float(ss_ * ss_));
        }
    return image;
}

Image Canvas::Specular() const {
    Image image = BlankImage(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float s = 0, a = 0;
            for (int j = 0; j < ss_; ++j)
                for (int i = 0; i < ss_; ++i) {
                    const Sample& sample = At(x * ss_ + i, y * ss_ + j);
                    s += sample.Specular;  // premultiplied like the colour
                    a += sample.A;
                }
            std::uint8_t* p = image.Pixel(x, y);
            p[0] = p[1] = p[2] = a > 0 ? Byte(s / a) : 0;
            p[3] = Byte(a / float(ss_ * ss_));
        }
    return image;
}

namespace Sdf {

float Ellipse(float x, float y, float cx, float cy, float rx, float ry) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    const float r = std::sqrt(dx * dx + dy * dy);
    return (r - 1) * std::min(rx, ry);  // approximate, exact on circles
}

float Segment(float x, float y, float ax, float ay, float bx, float by, float radius) {
    const float px = x - ax, py = y - ay, vx = bx - ax, vy = by - ay;
    const float len2 = vx * vx + vy * vy;
    const float t = len2 > 0 ? std::clamp((px * vx + py * vy) / len2, 0.0f, 1.0f) : 0.0f;
    const float dx = px - vx * t, dy = py - vy * t;
    return std::sqrt(dx * dx + dy * dy) - radius;
}

float Dome(float x, float y, float cx, float cy, float rx, float ry) {
    const float dx = (x - cx) / rx, dy = (y - cy) / ry;
    return std::sqrt(std::max(0.0f, 1 - dx * dx - dy * dy));
}

}  // namespace Sdf
