#include "art/Icons.h"

#include <cmath>
#include <numbers>

namespace parlevox::art {
namespace {

// Map unit coordinates (-1..1) of the icon's square to the canvas.
struct Frame {
    const IconPen& pen;
    float X(float u) const { return pen.cx + u * pen.size / 2; }
    float Y(float v) const { return pen.cy + v * pen.size / 2; }
    float L(float u) const { return u * pen.size / 2; }
};

void Ink(Canvas& canvas, const IconPen& pen, const Shape& shape) {
    // A faint edge of the opposite brightness lifts the ink off the face.
    bool lightInk = pen.ink.r * 0.3f + pen.ink.g * 0.59f + pen.ink.b * 0.11f > 128;
    canvas.FillShape(Offset(shape, 0, 1), Solid(lightInk ? Colour{0, 0, 0} : Colour{255, 255, 255}), 0.35f);
    canvas.FillShape(shape, Solid(pen.ink));
}

}  // namespace

void DrawPlug(Canvas& canvas, const IconPen& pen, bool connected) {
    Frame f{pen};
    float gap = connected ? 0 : 0.2f;
    // A plug with two prongs on the left meets a socket on the right.
    Shape plug = RoundRect(f.X(-0.66f - gap), f.Y(-0.44f), f.X(-0.08f - gap), f.Y(0.44f), f.L(0.14f));
    Shape prongs = Union(RoundRect(f.X(-0.12f - gap), f.Y(-0.3f), f.X(0.14f - gap), f.Y(-0.12f), f.L(0.04f)),
                         RoundRect(f.X(-0.12f - gap), f.Y(0.12f), f.X(0.14f - gap), f.Y(0.3f), f.L(0.04f)));
    Shape socket = RoundRect(f.X(0.12f + gap), f.Y(-0.44f), f.X(0.66f + gap), f.Y(0.44f), f.L(0.14f));
    Shape cables = Union(Capsule(f.X(-1.0f), f.Y(0.0f), f.X(-0.6f - gap), f.Y(0.0f), f.L(0.1f)),
                         Capsule(f.X(0.6f + gap), f.Y(0.0f), f.X(1.0f), f.Y(0.0f), f.L(0.1f)));
    Ink(canvas, pen, Union(Union(plug, prongs), Union(socket, cables)));
    if (!connected) {  // a red slash through the gap, outlined so it reads on any face
        Shape slash = Capsule(f.X(-0.26f), f.Y(0.7f), f.X(0.26f), f.Y(-0.7f), f.L(0.09f));
        canvas.FillShape([slash](float x, float y) { return slash(x, y) - 1.2f; }, Solid(Hex(0x5a0d08)), 0.8f);
        canvas.FillShape(slash, Solid(Hex(0xff5b49)));
    }
}

void DrawHash(Canvas& canvas, const IconPen& pen) {
    Frame f{pen};
    float w = f.L(0.1f);
    Shape hash = Union(Union(Capsule(f.X(-0.18f), f.Y(-0.7f), f.X(-0.34f), f.Y(0.7f), w),
                             Capsule(f.X(0.34f), f.Y(-0.7f), f.X(0.18f), f.Y(0.7f), w)),
                       Union(Capsule(f.X(-0.62f), f.Y(-0.25f), f.X(0.66f), f.Y(-0.25f), w),
                             Capsule(f.X(-0.66f), f.Y(0.25f), f.X(0.62f), f.Y(0.25f), w)));
    Ink(canvas, pen, hash);
}

void DrawPeople(Canvas& canvas, const IconPen& pen) {
    Frame f{pen};
    auto person = [&](float u, float scale) {
        Shape head = Circle(f.X(u), f.Y(-0.32f * scale), f.L(0.22f * scale));
        Shape body = Subtract(Circle(f.X(u), f.Y(0.62f), f.L(0.46f * scale)),
                              RoundRect(f.X(u - 1), f.Y(0.62f), f.X(u + 1), f.Y(1.6f), 0));
        return Union(head, body);
    };
    Shape back = person(0.3f, 0.85f);
    Shape front = person(-0.18f, 1.0f);
    Shape frontWithGap = [front](float x, float y) { return front(x, y) - 1.5f; };
    canvas.FillShape(Subtract(back, frontWithGap), Solid(Mix(pen.ink, {255, 255, 255}, 0.3f)));
    Ink(canvas, pen, front);
}

void DrawGear(Canvas& canvas, const IconPen& pen) {
    Frame f{pen};
    Shape gear = Circle(f.X(0), f.Y(0), f.L(0.5f));
    for (int tooth = 0; tooth < 8; ++tooth) {
        float angle = tooth * std::numbers::pi_v<float> / 4;
        float c = std::cos(angle), s = std::sin(angle);
        gear = Union(gear, Capsule(f.X(0.45f * c), f.Y(0.45f * s), f.X(0.66f * c), f.Y(0.66f * s), f.L(0.13f)));
    }
    Ink(canvas, pen, Subtract(gear, Circle(f.X(0), f.Y(0), f.L(0.2f))));
}

void DrawBin(Canvas& canvas, const IconPen& pen) {
    Frame f{pen};
    Shape body = Polygon({{f.X(-0.5f), f.Y(-0.42f)}, {f.X(0.5f), f.Y(-0.42f)}, {f.X(0.4f), f.Y(0.8f)},
                          {f.X(-0.4f), f.Y(0.8f)}});
    Shape lid = RoundRect(f.X(-0.66f), f.Y(-0.66f), f.X(0.66f), f.Y(-0.48f), f.L(0.06f));
    Shape handle = RoundRect(f.X(-0.2f), f.Y(-0.84f), f.X(0.2f), f.Y(-0.6f), f.L(0.06f));
    Shape ribs = Union(Capsule(f.X(-0.16f), f.Y(-0.2f), f.X(-0.14f), f.Y(0.6f), f.L(0.05f)),
                       Capsule(f.X(0.16f), f.Y(-0.2f), f.X(0.14f), f.Y(0.6f), f.L(0.05f)));
    Ink(canvas, pen, Union(Subtract(body, ribs), Union(lid, handle)));
}

void DrawNoEntry(Canvas& canvas, const IconPen& pen) {
    Frame f{pen};
    Shape ring = Subtract(Circle(f.X(0), f.Y(0), f.L(0.78f)), Circle(f.X(0), f.Y(0), f.L(0.56f)));
    Shape bar = Capsule(f.X(-0.45f), f.Y(-0.45f), f.X(0.45f), f.Y(0.45f), f.L(0.12f));
    Ink(canvas, pen, Union(ring, bar));
}

void DrawCross(Canvas& canvas, const IconPen& pen) {
    Frame f{pen};
    float w = f.L(0.14f);
    Ink(canvas, pen, Union(Capsule(f.X(-0.5f), f.Y(-0.5f), f.X(0.5f), f.Y(0.5f), w),
                           Capsule(f.X(-0.5f), f.Y(0.5f), f.X(0.5f), f.Y(-0.5f), w)));
}

Shape SpeechBubble(float left, float top, float right, float bottom, bool tailLeft) {
    float h = bottom - top, w = right - left;
    Shape body = RoundRect(left, top, right, bottom, h * 0.32f);
    float base = tailLeft ? left + w * 0.22f : right - w * 0.22f;
    float tip = tailLeft ? left + w * 0.08f : right - w * 0.08f;
    Shape tail = Polygon({{base - w * 0.1f, bottom - h * 0.2f}, {base + w * 0.1f, bottom - h * 0.2f},
                          {tip, bottom + h * 0.34f}});
    return Union(body, tail);
}

}  // namespace parlevox::art
