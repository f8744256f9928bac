#pragma once
// A painting surface with opacity for the sample schemes' pictures. Shapes
// are distance fields (negative inside), so every edge is anti-aliased.
// Only +, -, *, / and sqrt are used on floats, and the generator is built
// without contracting them into fused operations, so the pictures come out
// bit for bit the same on every machine and the golden tests can compare
// them exactly.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "display/AlphaImage.h"

namespace parlevox::schemegen {

struct Rgb {
    float r = 0, g = 0, b = 0;
};

Rgb Hex(unsigned rgb);
Rgb Mix(Rgb a, Rgb b, float t);  // t = 0 gives a
float Clamp01(float v);
// 0 below edge0, 1 above edge1, smooth between.
float Smoothstep(float edge0, float edge1, float x);
// A sine from a polynomial: the library's sin may differ between machines.
float Sine(float radians);
float Cosine(float radians);
// 0..1 from an integer hash.
float Hash01(uint32_t n);
// Smooth noise in 0..1 along one axis, one new value per unit.
float ValueNoise(float x, uint32_t seed);
// A hill line: around base, with slow swells (up and down by swell) and
// quicker ripples, each new every so many pixels.
std::function<float(float x)> Ridge(float base, float swell, float swellLength, float ripple, float rippleLength,
                                    uint32_t seed);

// Distance from a point to a shape's edge, negative inside.
using Shape = std::function<float(float x, float y)>;
using Paint = std::function<Rgb(float x, float y)>;

Shape Circle(float cx, float cy, float radius);
Shape Capsule(float ax, float ay, float bx, float by, float radius);
Shape RoundRect(float left, float top, float right, float bottom, float radius);
// Any simple polygon, corners in order.
Shape Polygon(std::vector<std::pair<float, float>> corners);
Shape Union(std::vector<Shape> shapes);
Shape Subtract(Shape a, Shape b);
// Everything below a ridge line y = ridge(x); the distance is measured
// across the slope so that steep edges are as soft as flat ones.
Shape Below(std::function<float(float x)> ridge);

Paint Solid(Rgb c);
Paint VerticalGradient(float top, float bottom, Rgb from, Rgb to);

// Pixels' area that a layer covers: a box clipped to the layer.
struct Box {
    int left, top, right, bottom;
};

class Layer {
public:
    Layer(int width, int height);  // fully transparent

    int Width() const { return width_; }
    int Height() const { return height_; }
    Box Whole() const { return {0, 0, width_, height_}; }

    // Paints colour c with opacity alpha (0..1) over the pixel.
    void Over(int x, int y, Rgb c, float alpha);
    // Where the shape covers, in the box; softness widens the edge (1 is a
    // crisp anti-aliased edge, more a glow or shadow).
    void FillShape(const Shape& shape, const Paint& paint, float opacity = 1, float softness = 1);
    void FillShape(const Shape& shape, const Paint& paint, float opacity, float softness, Box box);
    // A glow: opacity falls from `opacity` at the centre to 0 at radius,
    // along a smooth curve.
    void Glow(float cx, float cy, float radius, Rgb colour, float opacity);
    // Every pixel, colour by position, opacity 1.
    void Fill(const Paint& paint);

    // Straight (not premultiplied) opacity, blue, green, red. Transparent
    // pixels next to painted ones take their neighbours' colour, so that
    // scaling by area averaging leaves no dark fringe along edges; the rest
    // stay zero, which compresses to nothing.
    AlphaImage ToAlphaImage() const;

private:
    struct Pixel {
        float r = 0, g = 0, b = 0, a = 0;  // premultiplied, colour 0..255
    };
    Pixel& At(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Pixel& At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    Box Clip(Box box) const;

    int width_, height_;
    std::vector<Pixel> pixels_;
};

// A sky for stretching over the window: a narrow picture whose colour goes
// from top to middle (at split, 0..1 of the height) to horizon.
AlphaImage SkyGradient(Rgb top, Rgb middle, Rgb horizon, float split);

}  // namespace parlevox::schemegen
