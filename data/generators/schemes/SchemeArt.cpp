#include "schemes/SchemeArt.h"

#include <algorithm>
#include <cmath>

namespace parlevox::schemegen {
namespace {

constexpr float kPi = 3.14159265358979f;

float Length(float x, float y) {
    return std::sqrt(x * x + y * y);
}

uint8_t Byte(float v) {
    return static_cast<uint8_t>(std::clamp(v + 0.5f, 0.f, 255.f));
}

uint32_t Hash(uint32_t n) {
    n ^= n >> 16;
    n *= 0x7feb352du;
    n ^= n >> 15;
    n *= 0x846ca68bu;
    n ^= n >> 16;
    return n;
}

}  // namespace

Rgb Hex(unsigned rgb) {
    return {static_cast<float>(rgb >> 16 & 255), static_cast<float>(rgb >> 8 & 255), static_cast<float>(rgb & 255)};
}

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float Clamp01(float v) {
    return std::clamp(v, 0.f, 1.f);
}

float Smoothstep(float edge0, float edge1, float x) {
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

float Sine(float radians) {
    const float turns = std::floor(radians / (2 * kPi) + 0.5f);
    float r = radians - turns * 2 * kPi;  // -pi..pi
    if (r > kPi / 2) r = kPi - r;
    if (r < -kPi / 2) r = -kPi - r;
    const float r2 = r * r;
    return r * (1 - r2 / 6 * (1 - r2 / 20 * (1 - r2 / 42 * (1 - r2 / 72))));
}

float Cosine(float radians) {
    return Sine(radians + kPi / 2);
}

float Hash01(uint32_t n) {
    return static_cast<float>(Hash(n) >> 8) / 16777216.f;
}

float ValueNoise(float x, uint32_t seed) {
    const float cell = std::floor(x);
    const float f = x - cell;
    const auto i = static_cast<uint32_t>(static_cast<int32_t>(cell));
    const float a = Hash01(i * 0x9e3779b1u ^ seed), b = Hash01((i + 1) * 0x9e3779b1u ^ seed);
    const float t = f * f * f * (f * (f * 6 - 15) + 10);
    return a + (b - a) * t;
}

std::function<float(float x)> Ridge(float base, float swell, float swellLength, float ripple, float rippleLength,
                                    uint32_t seed) {
    return [=](float x) {
        return base + swell * (ValueNoise(x / swellLength, seed) - 0.5f) * 2 +
               ripple * (ValueNoise(x / rippleLength, seed + 1) - 0.5f);
    };
}

Shape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return Length(x - cx, y - cy) - radius; };
}

Shape Capsule(float ax, float ay, float bx, float by, float radius) {
    return [=](float x, float y) {
        const float dx = bx - ax, dy = by - ay;
        const float length2 = dx * dx + dy * dy;
        const float t = length2 > 0 ? Clamp01(((x - ax) * dx + (y - ay) * dy) / length2) : 0.f;
        return Length(x - ax - t * dx, y - ay - t * dy) - radius;
    };
}

Shape RoundRect(float left, float top, float right, float bottom, float radius) {
    return [=](float x, float y) {
        const float qx = std::abs(x - (left + right) / 2) - ((right - left) / 2 - radius);
        const float qy = std::abs(y - (top + bottom) / 2) - ((bottom - top) / 2 - radius);
        return Length(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - radius;
    };
}

Shape Polygon(std::vector<std::pair<float, float>> corners) {
    return [corners = std::move(corners)](float x, float y) {
        float best = 1e30f;
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const auto [ax, ay] = corners[j];
            const auto [bx, by] = corners[i];
            const float dx = bx - ax, dy = by - ay;
            const float t = Clamp01(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy));
            best = std::min(best, Length(x - ax - t * dx, y - ay - t * dy));
            if ((ay > y) != (by > y) && x < ax + (y - ay) * dx / dy) inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Union(std::vector<Shape> shapes) {
    return [shapes = std::move(shapes)](float x, float y) {
        float nearest = 1e30f;
        for (const Shape& shape : shapes) nearest = std::min(nearest, shape(x, y));
        return nearest;
    };
}

Shape Subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Below(std::function<float(float x)> ridge) {
    return [ridge = std::move(ridge)](float x, float y) {
        const float slope = ridge(x + 0.5f) - ridge(x - 0.5f);
        return (ridge(x) - y) / std::sqrt(1 + slope * slope);
    };
}

Paint Solid(Rgb c) {
    return [=](float, float) { return c; };
}

Paint VerticalGradient(float top, float bottom, Rgb from, Rgb to) {
    return [=](float, float y) { return Mix(from, to, Clamp01((y - top) / (bottom - top))); };
}

Layer::Layer(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

void Layer::Over(int x, int y, Rgb c, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    alpha = std::min(alpha, 1.f);
    Pixel& p = At(x, y);
    const float keep = 1 - alpha;
    p = {c.r * alpha + p.r * keep, c.g * alpha + p.g * keep, c.b * alpha + p.b * keep, alpha + p.a * keep};
}

Box Layer::Clip(Box box) const {
    return {std::max(box.left, 0), std::max(box.top, 0), std::min(box.right, width_), std::min(box.bottom, height_)};
}

void Layer::FillShape(const Shape& shape, const Paint& paint, float opacity, float softness) {
    FillShape(shape, paint, opacity, softness, Whole());
}

void Layer::FillShape(const Shape& shape, const Paint& paint, float opacity, float softness, Box box) {
    box = Clip(box);
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
            const float coverage = Clamp01(0.5f - shape(px, py) / softness);
            if (coverage > 0) Over(x, y, paint(px, py), coverage * opacity);
        }
}

void Layer::Glow(float cx, float cy, float radius, Rgb colour, float opacity) {
    const Box box = Clip({static_cast<int>(cx - radius) - 1, static_cast<int>(cy - radius) - 1,
                          static_cast<int>(cx + radius) + 2, static_cast<int>(cy + radius) + 2});
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const float t = 1 - Length(static_cast<float>(x) + 0.5f - cx, static_cast<float>(y) + 0.5f - cy) / radius;
            if (t > 0) Over(x, y, colour, opacity * t * t);
        }
}

void Layer::Fill(const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Rgb c = paint(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            At(x, y) = {c.r, c.g, c.b, 1};
        }
}

AlphaImage Layer::ToAlphaImage() const {
    AlphaImage image(width_, height_);
    std::vector<bool> coloured(pixels_.size(), false);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Pixel& p = At(x, y);
            uint8_t* out = image.Pixel(x, y);
            out[0] = Byte(p.a * 255);
            if (out[0] == 0) {
                out[1] = out[2] = out[3] = 0;
                continue;
            }
            out[1] = Byte(p.b / p.a);
            out[2] = Byte(p.g / p.a);
            out[3] = Byte(p.r / p.a);
            coloured[static_cast<size_t>(y) * width_ + x] = true;
        }
    // Area averaging reaches at most a few pixels past an edge.
    for (int pass = 0; pass < 3; ++pass) {
        const std::vector<bool> before = coloured;
        const AlphaImage source = image;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                if (before[static_cast<size_t>(y) * width_ + x]) continue;
                int sum[3] = {}, count = 0;
                const int neighbours[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
                for (const auto& [nx, ny] : neighbours) {
                    if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_) continue;
                    if (!before[static_cast<size_t>(ny) * width_ + nx]) continue;
                    const uint8_t* n = source.Pixel(nx, ny);
                    for (int c = 0; c < 3; ++c) sum[c] += n[c + 1];
                    ++count;
                }
                if (count == 0) continue;
                uint8_t* out = image.Pixel(x, y);
                for (int c = 0; c < 3; ++c) out[c + 1] = static_cast<uint8_t>(sum[c] / count);
                coloured[static_cast<size_t>(y) * width_ + x] = true;
            }
    }
    return image;
}

AlphaImage SkyGradient(Rgb top, Rgb middle, Rgb horizon, float split) {
    constexpr int kRows = 256;  // enough that stretching shows no steps
    Layer sky(2, kRows);
    sky.Fill([=](float, float y) {
        const float t = y / kRows;
        return t < split ? Mix(top, middle, Smoothstep(0, split, t)) : Mix(middle, horizon, Smoothstep(split, 1, t));
    });
    return sky.ToAlphaImage();
}

}  // namespace parlevox::schemegen
