#include "schemes/SchemeBuilding.h"

#include <memory>
#include <string>
#include <utility>

#include "schemes/SchemeArt.h"

namespace parlevox::schemegen {

AnchoredPoint FromTopLeft(int x, int y) {
    return {x, 0, 0, y, 0, 0};
}

AnchoredPoint FromTopRight(int x, int y) {
    return {-x, 256, 0, y, 0, 0};
}

AnchoredPoint FromBottomLeft(int x, int y) {
    return {x, 0, 0, -y, 0, 256};
}

AnchoredPoint FromBottomRight(int x, int y) {
    return {-x, 256, 0, -y, 0, 256};
}

AnchoredRect FixedSize(AnchoredPoint topLeft, int width, int height) {
    AnchoredPoint bottomRight = topLeft;
    bottomRight.xOffset += width;
    bottomRight.yOffset += height;
    return {topLeft, bottomRight};
}

AnchoredRect WholeWindow() {
    return {FromTopLeft(0, 0), FromBottomRight(0, 0)};
}

AnchoredRect TopBand(int heightShareOfWidth) {
    return {FromTopLeft(0, 0), {0, 256, 0, 0, heightShareOfWidth, 0}};
}

AnchoredRect BottomBand(int heightShareOfWidth) {
    return {{0, 0, 0, 0, -heightShareOfWidth, 256}, FromBottomRight(0, 0)};
}

void SetCardText(CScheme& scheme) {
    constexpr int kPaddingX = 12, kPaddingY = 10;
    const auto [left, top, right, bottom] = kCardInsets;
    scheme.TextFont().SetFace("Arial");
    scheme.TextFont().SetSize(15);
    scheme.TextFont().SetSmoothing(true);
    scheme.SetMargins({{FromTopLeft(left + kPaddingX, top + kPaddingY),
                        FromBottomRight(right + kPaddingX, bottom + kPaddingY)},
                       0, 24});
}

AnchoredPoint ButtonCorner(int size) {
    const int belowCard = (kCardInsets.bottom - size) / 2;
    return FromBottomRight(kCardInsets.right + size, belowCard + size);
}

int AddImage(CScheme& scheme, std::string_view name, AlphaImage image, AnchoredRect rect, bool drawn) {
    auto item = std::make_unique<CSchemeImage>(name);
    item->Image() = std::move(image);
    item->Rect() = rect;
    const int position = scheme.AddItem(std::move(item));
    if (drawn) scheme.AppendToDrawOrder(position);
    return position;
}

void AddFadebox(CScheme& scheme, std::string_view name, AnchoredRect rect, int opacity, WindowsColour colour) {
    auto item = std::make_unique<CSchemeFadebox>(name);
    item->Rect() = rect;
    item->SetOpacity(opacity);
    item->SetColour(colour);
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(item)));
}

namespace {

Rgb ArtColour(WindowsColour colour) {
    const BgrColour bgr = ToBgr(colour);
    return {static_cast<float>(bgr.red), static_cast<float>(bgr.green), static_cast<float>(bgr.blue)};
}

// A quarter of the panel's disc and its edge; the disc's centre is the
// picture's corner at (cornerX, cornerY), each 0 or 1.
AlphaImage PanelCorner(const PanelLook& look, int cornerX, int cornerY) {
    Layer corner(look.radius, look.radius);
    const auto r = static_cast<float>(look.radius);
    const float cx = r * static_cast<float>(cornerX), cy = r * static_cast<float>(cornerY);
    corner.FillShape(Circle(cx, cy, r), Solid(ArtColour(look.colour)), static_cast<float>(look.opacity) / 255);
    corner.FillShape(Subtract(Circle(cx, cy, r), Circle(cx, cy, r - 1)), Solid(ArtColour(look.edgeColour)),
                     static_cast<float>(look.edgeOpacity) / 255);
    return corner.ToAlphaImage();
}

}  // namespace

void AddRoundPanel(CScheme& scheme, std::string_view name, const PanelLook& look) {
    const std::string prefix(name);
    const int r = look.radius;
    const auto [left, top, right, bottom] = look.insets;
    const AnchoredRect body[] = {
        {FromTopLeft(left + r, top), FromTopRight(right + r, top + r)},
        {FromTopLeft(left, top + r), FromBottomRight(right, bottom + r)},
        {FromBottomLeft(left + r, bottom + r), FromBottomRight(right + r, bottom)},
    };
    const char* bodyNames[] = {"Top", "Middle", "Bottom"};
    for (int i = 0; i < 3; ++i) AddFadebox(scheme, prefix + bodyNames[i], body[i], look.opacity, look.colour);
    const AnchoredRect edges[] = {
        {FromTopLeft(left + r, top), FromTopRight(right + r, top + 1)},
        {FromBottomLeft(left + r, bottom + 1), FromBottomRight(right + r, bottom)},
        {FromTopLeft(left, top + r), FromBottomLeft(left + 1, bottom + r)},
        {FromTopRight(right + 1, top + r), FromBottomRight(right, bottom + r)},
    };
    const char* edgeNames[] = {"EdgeT", "EdgeB", "EdgeL", "EdgeR"};
    for (int i = 0; i < 4; ++i) AddFadebox(scheme, prefix + edgeNames[i], edges[i], look.edgeOpacity, look.edgeColour);
    AddImage(scheme, prefix + "TL", PanelCorner(look, 1, 1), FixedSize(FromTopLeft(left, top), r, r));
    AddImage(scheme, prefix + "TR", PanelCorner(look, 0, 1), FixedSize(FromTopRight(right + r, top), r, r));
    AddImage(scheme, prefix + "BL", PanelCorner(look, 1, 0), FixedSize(FromBottomLeft(left, bottom + r), r, r));
    AddImage(scheme, prefix + "BR", PanelCorner(look, 0, 0), FixedSize(FromBottomRight(right + r, bottom + r), r, r));
}

void AddButton(CScheme& scheme, ButtonParts parts) {
    const AnchoredRect rect = FixedSize(parts.topLeft, parts.normal.Width(), parts.normal.Height());
    auto hotspot = std::make_unique<CSchemeHotspot>(parts.name);
    hotspot->Rect() = rect;
    hotspot->SetImageRef(HotspotLook::Normal, AddImage(scheme, parts.name + "N", std::move(parts.normal), rect, false));
    hotspot->SetImageRef(HotspotLook::MouseOver,
                         AddImage(scheme, parts.name + "O", std::move(parts.mouseOver), rect, false));
    hotspot->SetImageRef(HotspotLook::Pressed, AddImage(scheme, parts.name + "D", std::move(parts.pressed), rect, false));
    hotspot->SetSoundRef(parts.soundEvent,
                         scheme.AddItem(std::make_unique<CSchemeSound>(parts.soundFile, std::move(parts.wave))));
    hotspot->SetActionRef(scheme.AddItem(std::make_unique<CSchemeCommand>(parts.name + "A", std::move(parts.command))));
    scheme.AppendToDrawOrder(scheme.AddItem(std::move(hotspot)));
}

}  // namespace parlevox::schemegen
