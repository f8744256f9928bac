#pragma once
// A floating-point RGB picture that the art generator paints on: shapes are
// signed distance fields (negative inside), so every edge is anti-aliased.
#include <functional>
#include <utility>
#include <vector>

namespace parlevox::art {

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour Hex(unsigned rgb);
Colour Mix(Colour a, Colour b, float t);  // t = 0 gives a
Colour Scale(Colour c, float factor);

// Distance from a point to a shape's edge, negative inside.
using Shape = std::function<float(float x, float y)>;
// The colour of a shape at a point.
using Paint = std::function<Colour(float x, float y)>;

Shape RoundRect(float left, float top, float right, float bottom, float radius);
Shape Circle(float cx, float cy, float radius);
Shape Capsule(float ax, float ay, float bx, float by, float radius);  // a thick line with round ends
// Any simple polygon, corners in order.
Shape Polygon(std::vector<std::pair<float, float>> corners);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);
Shape Offset(Shape shape, float dx, float dy);

Paint Solid(Colour c);
Paint VerticalGradient(float top, float bottom, Colour from, Colour to);

// Coverage-weighted alpha mask, as text rendering makes.
struct Mask {
    int width = 0, height = 0;
    std::vector<float> alpha;  // 0..1
    float At(int x, int y) const { return alpha[static_cast<size_t>(y) * width + x]; }
    Mask Blurred(int radius) const;
};

class Canvas {
public:
    Canvas(int width, int height, Colour fill = {255, 255, 255});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Blend(int x, int y, Colour c, float alpha);

    void FillRect(int left, int top, int right, int bottom, const Paint& paint);
    // Paints where the shape covers, with soft edges of the given width
    // (1 is a crisp anti-aliased edge, more is a blurred shadow or glow).
    void FillShape(const Shape& shape, const Paint& paint, float opacity = 1, float softness = 1);
    // A raised edge: light along the top left, dark along the bottom right.
    void Bevel(const Shape& shape, float width, float light, float dark);
    void DrawMask(const Mask& mask, int x, int y, const Paint& paint, float opacity = 1);

    // Pixels as 8-bit red, green, blue, rows top first.
    std::vector<unsigned char> Rgb() const;

private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

    int width_, height_;
    std::vector<Colour> pixels_;
};

}  // namespace parlevox::art
