#include "art/Canvas.h"

#include <algorithm>
#include <cmath>

namespace parlevox::art {

Colour Hex(unsigned rgb) {
    return {static_cast<float>(rgb >> 16 & 255), static_cast<float>(rgb >> 8 & 255), static_cast<float>(rgb & 255)};
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(Colour c, float factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

Shape RoundRect(float left, float top, float right, float bottom, float radius) {
    return [=](float x, float y) {
        float cx = (left + right) / 2, cy = (top + bottom) / 2;
        float qx = std::abs(x - cx) - ((right - left) / 2 - radius);
        float qy = std::abs(y - cy) - ((bottom - top) / 2 - radius);
        float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
        return outside + std::min(std::max(qx, qy), 0.f) - radius;
    };
}

Shape Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Capsule(float ax, float ay, float bx, float by, float radius) {
    return [=](float x, float y) {
        float dx = bx - ax, dy = by - ay;
        float length2 = dx * dx + dy * dy;
        float t = length2 > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length2, 0.f, 1.f) : 0.f;
        return std::hypot(x - ax - t * dx, y - ay - t * dy) - radius;
    };
}

Shape Polygon(std::vector<std::pair<float, float>> corners) {
    return [corners = std::move(corners)](float x, float y) {
        float best = 1e30f;
        bool inside = false;
        for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            auto [ax, ay] = corners[j];
            auto [bx, by] = corners[i];
            float dx = bx - ax, dy = by - ay;
            float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
            best = std::min(best, std::hypot(x - ax - t * dx, y - ay - t * dy));
            if ((ay > y) != (by > y) && x < ax + (y - ay) * dx / dy) inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Union(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Offset(Shape shape, float dx, float dy) {
    return [=](float x, float y) { return shape(x - dx, y - dy); };
}

Paint Solid(Colour c) {
    return [=](float, float) { return c; };
}

Paint VerticalGradient(float top, float bottom, Colour from, Colour to) {
    return [=](float, float y) { return Mix(from, to, std::clamp((y - top) / (bottom - top), 0.f, 1.f)); };
}

Mask Mask::Blurred(int radius) const {
    Mask out = *this;
    for (int pass = 0; pass < 3; ++pass) {  // three box blurs come close to a Gaussian
        Mask in = out;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) sum += in.At(std::clamp(x + k, 0, width - 1), y);
                out.alpha[static_cast<size_t>(y) * width + x] = sum / (2 * radius + 1);
            }
        in = out;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                float sum = 0;
                for (int k = -radius; k <= radius; ++k) sum += in.At(x, std::clamp(y + k, 0, height - 1));
                out.alpha[static_cast<size_t>(y) * width + x] = sum / (2 * radius + 1);
            }
    }
    return out;
}

Canvas::Canvas(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Canvas::Blend(int x, int y, Colour c, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    Colour& p = pixels_[Index(x, y)];
    p = Mix(p, c, std::min(alpha, 1.f));
}

void Canvas::FillRect(int left, int top, int right, int bottom, const Paint& paint) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y)
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
            pixels_[Index(x, y)] = paint(x + 0.5f, y + 0.5f);
}

void Canvas::FillShape(const Shape& shape, const Paint& paint, float opacity, float softness) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float coverage = std::clamp(0.5f - shape(px, py) / softness, 0.f, 1.f);
            if (coverage > 0) Blend(x, y, paint(px, py), coverage * opacity);
        }
}

void Canvas::Bevel(const Shape& shape, float width, float light, float dark) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float d = shape(px, py);
            if (d > 0.5f || d < -width - 0.5f) continue;
            // The edge's slope tells which side of the shape a pixel is on.
            float nx = shape(px + 1, py) - shape(px - 1, py), ny = shape(px, py + 1) - shape(px, py - 1);
            float facing = -(nx + ny) / std::max(std::hypot(nx, ny), 1e-3f) / std::sqrt(2.f);
            float strength = std::clamp(0.5f - d, 0.f, 1.f) * std::clamp(1 - (-d / width), 0.f, 1.f);
            if (facing > 0)
                Blend(x, y, {255, 255, 255}, strength * facing * light);
            else
                Blend(x, y, {0, 0, 0}, strength * -facing * dark);
        }
}

void Canvas::DrawMask(const Mask& mask, int x, int y, const Paint& paint, float opacity) {
    for (int my = 0; my < mask.height; ++my)
        for (int mx = 0; mx < mask.width; ++mx) {
            float a = mask.At(mx, my);
            if (a > 0) Blend(x + mx, y + my, paint(x + mx + 0.5f, y + my + 0.5f), a * opacity);
        }
}

std::vector<unsigned char> Canvas::Rgb() const {
    std::vector<unsigned char> out;
    out.reserve(pixels_.size() * 3);
    auto byte = [](float v) { return static_cast<unsigned char>(std::clamp(std::lround(v), 0L, 255L)); };
    for (const Colour& p : pixels_) {
        out.push_back(byte(p.r));
        out.push_back(byte(p.g));
        out.push_back(byte(p.b));
    }
    return out;
}

}  // namespace parlevox::art
