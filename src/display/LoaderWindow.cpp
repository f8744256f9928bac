#include "display/LoaderWindow.h"

#include <algorithm>
#include <limits>

#include "display/BitmapResource.h"
#include "display/ButtonStripLayout.h"
#include "display/SchemeFontGlyphs.h"
#include "display/SchemeTextPainter.h"
#include "display/TitleScreenTexts.h"

namespace parlevox {
namespace {

// "MS Sans Serif" 9 points at 96 dots per inch.
constexpr const char* kStatusFace = "MS Sans Serif";
constexpr int kStatusPixelSize = 12;
constexpr BgrColour kStatusColour{0, 0, 0};

CRawBitmap IconPixels(const CRawBitmap& icon) {
    CRawBitmap pixels = CRawBitmap::TrueColour(layout::kIconSide, layout::kIconSide);
    icon.DrawTo(pixels, 0, 0);
    return pixels;
}

}  // namespace

CLoaderWindow::CLoaderWindow(uint64_t nowMs, InstalledCounts installed, LoadingTimeSaver saver)
    : status_(titletext::kStartingUp),
      createdMs_(nowMs),
      nextDueMs_(nowMs + kStepMs),
      startsAtFirstIcon_(installed.Any()),
      saver_(std::move(saver)) {
    if (!startsAtFirstIcon_) startMs_ = nowMs;
    // A missing picture has been reported; the screen is then plain white.
    picture_ = BitmapResource::Load("TITLESCREEN").value_or(CRawBitmap());
    image_ = CRawBitmap::TrueColour(layout::kTitleWidth, layout::kTitleHeight);
}

void CLoaderWindow::AddIcon(TitleIcon icon, uint64_t nowMs) {
    if (!startMs_) startMs_ = nowMs;
    queue_.push_back(IconPixels(icon.icon));
}

void CLoaderWindow::RequestClose() {
    closeRequested_ = true;
}

bool CLoaderWindow::Step(uint64_t nowMs) {
    if (nowMs < nextDueMs_) return false;
    nextDueMs_ += kStepMs;
    if (nextDueMs_ <= nowMs) nextDueMs_ = nowMs + kStepMs;
    // With the queue empty and more icons to come, the ring waits for them.
    if (queue_.empty() && MoreMayCome()) return false;
    newest_ = (newest_ + 1) % kSlots;
    if (queue_.empty()) {
        ring_[static_cast<size_t>(newest_)].reset();
    } else {
        ring_[static_cast<size_t>(newest_)] = Shown{entered_++, std::move(queue_.front())};
        queue_.pop_front();
    }
    ++stepsTaken_;
    return true;
}

bool CLoaderWindow::ReadyToClose() const {
    return closeRequested_ && queue_.empty() &&
           std::none_of(ring_.begin(), ring_.end(), [](const auto& slot) { return slot.has_value(); });
}

void CLoaderWindow::Finish(uint64_t nowMs) {
    if (finished_) return;
    finished_ = true;
    if (popupSeen_ || !saver_) return;
    // Installed icons that never came (files gone): measured from creation.
    const uint64_t start = startMs_.value_or(createdMs_);
    const uint64_t elapsed = nowMs > start ? nowMs - start : 0;
    saver_(static_cast<int>(std::min<uint64_t>(elapsed, std::numeric_limits<int>::max())));
}

std::optional<size_t> CLoaderWindow::ShownAt(int position) const {
    if (position < 0 || position >= kSlots) return std::nullopt;
    const auto& slot = ring_[static_cast<size_t>((newest_ - position + kSlots) % kSlots)];
    if (!slot) return std::nullopt;
    return slot->index;
}

uint8_t CLoaderWindow::Faded(int position, uint8_t value) {
    switch (position) {
        case kSlots - 3: return static_cast<uint8_t>(171 * value / 256 + 84);
        case kSlots - 2: return static_cast<uint8_t>(86 * value / 256 + 169);
        case kSlots - 1: return static_cast<uint8_t>(value / 256 + 254);
        default: return value;
    }
}

const CRawBitmap& CLoaderWindow::Paint() {
    if (picture_.Empty())
        image_ = CRawBitmap::TrueColour(layout::kTitleWidth, layout::kTitleHeight);
    else
        picture_.DrawTo(image_, 0, 0);
    {
        auto font = SchemeFontGlyphs::Get(kStatusFace, kStatusPixelSize, false);
        SchemeTextPainter painter(image_, *font);
        painter.DrawPiece(layout::kTitleStatusX, layout::kTitleStatusY, SchemeFontGlyphs::kNormal, status_,
                          kStatusColour, std::nullopt);
    }
    for (int position = 0; position < kSlots; ++position)
        DrawSlot(position, layout::kTitleIconX + position * layout::kTitleIconPitch, layout::kTitleIconY);
    return image_;
}

void CLoaderWindow::DrawSlot(int position, int x, int y) {
    const auto& slot = ring_[static_cast<size_t>((newest_ - position + kSlots) % kSlots)];
    const int side = layout::kIconSide;
    for (int row = 0; row < side; ++row) {
        uint8_t* target = image_.Row(y + row) + static_cast<size_t>(x) * 3;
        if (!slot) {
            std::fill(target, target + side * 3, uint8_t{255});
            continue;
        }
        const uint8_t* source = slot->pixels.Row(row);
        for (int byte = 0; byte < side * 3; ++byte) target[byte] = Faded(position, source[byte]);
    }
}

}  // namespace parlevox
