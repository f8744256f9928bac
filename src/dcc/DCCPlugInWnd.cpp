#include "dcc/DCCPlugInWnd.h"

#include <algorithm>
#include <climits>

#include "display/BitmapResource.h"
#include "display/ButtonStripLayout.h"
#include "display/SoundSystem.h"

namespace parlevox {
namespace {

struct StripArt {
    CRawBitmap normal, pressed, over;
};

const StripArt& Art() {
    static const StripArt art {BitmapResource::Load("BV-DCC").value_or(CRawBitmap()),
                               BitmapResource::Load("BV-DCCD").value_or(CRawBitmap()),
                               BitmapResource::Load("BV-DCCO").value_or(CRawBitmap())};
    return art;
}

int ButtonAt(int x, int y) {
    for (size_t i = 0; i < layout::kDccButtons.size(); ++i) {
        const PixelRect& r = layout::kDccButtons[i];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return static_cast<int>(i);
    }
    return CDCCPlugInWnd::kNoButton;
}

// One button's rectangle of the pressed or mouse-over art over the strip.
void CopyButton(const CRawBitmap& art, const PixelRect& area, CRawBitmap& strip) {
    for (int y = area.top; y < area.bottom && y < art.Height() && y < strip.Height(); ++y)
        for (int x = area.left; x < area.right && x < art.Width() && x < strip.Width(); ++x) {
            const BgrColour colour = art.PixelColour(x, y);
            uint8_t* pixel = strip.Row(y) + static_cast<size_t>(x) * 3;
            pixel[0] = colour.blue;
            pixel[1] = colour.green;
            pixel[2] = colour.red;
        }
}

// The bar's range and position in ints, halved together for files past 2 TiB.
std::pair<int, int> BarOf(uint64_t size, uint64_t received) {
    uint64_t maximum = size / 1024, value = std::min(received, size) / 1024;
    while (maximum > INT_MAX) {
        maximum >>= 1;
        value >>= 1;
    }
    return {static_cast<int>(maximum), static_cast<int>(value)};
}

intptr_t NextWindowId() {
    static intptr_t next = 0;
    return ++next;
}

}  // namespace

std::unique_ptr<CDCCPlugInWnd> CDCCPlugInWnd::Make(int width, int height, bool progress, bool buttons,
                                                   DccScreenArea screen, CSoundSystem* sounds) {
    if (width <= 0 || height <= 0) return nullptr;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4 > kMaxPictureBytes) return nullptr;
    if (width > screen.width || height > screen.height) return nullptr;
    return std::unique_ptr<CDCCPlugInWnd>(new CDCCPlugInWnd(width, height, progress, buttons, sounds));
}

CDCCPlugInWnd::CDCCPlugInWnd(int width, int height, bool progress, bool buttons, CSoundSystem* sounds)
    : id_(NextWindowId()),
      width_(width),
      height_(height),
      progress_(progress),
      buttons_(buttons),
      sounds_(sounds),
      picture_(static_cast<size_t>(width) * static_cast<size_t>(height) * 4, 0) {
    if (buttons_) strip_ = CRawBitmap::TrueColour(ClientWidth(), kStripHeight);
    DrawStrip();
}

CDCCPlugInWnd::~CDCCPlugInWnd() = default;

int CDCCPlugInWnd::ClientWidth() const {
    return buttons_ ? std::max(width_, layout::kDccButtonsWidth) : width_;
}

void CDCCPlugInWnd::Attach(const std::string& nick, const std::string& path, uint64_t size) {
    const size_t cut = path.find_last_of("/\\");
    title_ = (cut == std::string::npos ? path : path.substr(cut + 1)) + " - " + nick;
    size_ = size;
    attached_ = true;
    Update();
}

void CDCCPlugInWnd::SetProgress(uint64_t received) {
    const bool shown = BarOf(size_, received) != BarOf(size_, received_);
    received_ = received;
    if (shown) Update();
}

int CDCCPlugInWnd::ProgressMaximum() const {
    return BarOf(size_, received_).first;
}

int CDCCPlugInWnd::ProgressValue() const {
    return BarOf(size_, received_).second;
}

void CDCCPlugInWnd::Redraw() {
    if (view_) view_->PictureChanged(*this);
}

void CDCCPlugInWnd::SetView(std::unique_ptr<DccPlugInView> view) {
    view_ = std::move(view);
    Update();
}

void CDCCPlugInWnd::MouseEvent(Mouse kind, int x, int y) {
    if (pressed_ != kNoButton || (buttons_ && y < kStripHeight)) return StripMouse(kind, x, y);
    SetHover(kNoButton);
    if (onPictureMouse) onPictureMouse(static_cast<int>(kind), x, y - PictureTop());
}

// A pressed button holds the mouse until the left button comes up.
void CDCCPlugInWnd::StripMouse(Mouse kind, int x, int y) {
    const int at = ButtonAt(x, y);
    if (kind == Mouse::Move) return SetHover(at);
    if (pressed_ == kNoButton) {
        if (kind != Mouse::LeftDown || at == kNoButton) return;
        pressed_ = at;
        hover_ = at;
        Play("Button down");
        DrawStrip();
        return Update();
    }
    if (kind != Mouse::LeftUp) return;
    const int released = pressed_;
    pressed_ = kNoButton;
    hover_ = at;
    Play("Button up");
    DrawStrip();
    Update();
    if (at == released && onButton) onButton(static_cast<Button>(released));
}

void CDCCPlugInWnd::MouseLeft() {
    if (pressed_ == kNoButton) SetHover(kNoButton);
}

void CDCCPlugInWnd::RequestClose() {
    if (onCloseRequested) onCloseRequested();
}

void CDCCPlugInWnd::SetHover(int button) {
    if (button == hover_) return;
    hover_ = button;
    if (button != kNoButton && pressed_ == kNoButton) Play("Mouse over button");
    DrawStrip();
    Update();
}

// Dragged off its button, a pressed one shows released.
void CDCCPlugInWnd::DrawStrip() {
    if (!buttons_) return;
    const StripArt& art = Art();
    art.normal.DrawTo(strip_, 0, 0);
    if (pressed_ != kNoButton && pressed_ == hover_)
        CopyButton(art.pressed, layout::kDccButtons[static_cast<size_t>(pressed_)], strip_);
    else if (pressed_ == kNoButton && hover_ != kNoButton)
        CopyButton(art.over, layout::kDccButtons[static_cast<size_t>(hover_)], strip_);
}

void CDCCPlugInWnd::Play(const char* event) const {
    if (sounds_) sounds_->Play(event);
}

void CDCCPlugInWnd::Update() {
    if (view_) view_->Updated(*this);
}

}  // namespace parlevox
