#pragma once
// Small line-art symbols for the button strips, drawn around a centre in a
// square of the given size.
#include "art/Canvas.h"

namespace parlevox::art {

struct IconPen {
    float cx, cy, size;
    Colour ink;
};

void DrawPlug(Canvas& canvas, const IconPen& pen, bool connected);
void DrawHash(Canvas& canvas, const IconPen& pen);
void DrawPeople(Canvas& canvas, const IconPen& pen);
void DrawGear(Canvas& canvas, const IconPen& pen);
void DrawBin(Canvas& canvas, const IconPen& pen);
void DrawNoEntry(Canvas& canvas, const IconPen& pen);
void DrawCross(Canvas& canvas, const IconPen& pen);
// A speech bubble (the client's emblem), filled with a paint.
Shape SpeechBubble(float left, float top, float right, float bottom, bool tailLeft);

}  // namespace parlevox::art
