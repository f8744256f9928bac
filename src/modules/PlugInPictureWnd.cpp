#include "modules/PlugInPictureWnd.h"

#include <algorithm>

namespace parlevox {

std::unique_ptr<CPlugInPictureWnd> CPlugInPictureWnd::Make(intptr_t id, std::string title, int32_t width,
                                                           int32_t height) {
    if (width <= 0 || height <= 0) return nullptr;
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * kBytesPerPixel > kMaxBytes) return nullptr;
    return std::unique_ptr<CPlugInPictureWnd>(new CPlugInPictureWnd(id, std::move(title), width, height));
}

// White until the plug-in draws.
CPlugInPictureWnd::CPlugInPictureWnd(intptr_t id, std::string title, int32_t width, int32_t height)
    : id_(id), title_(std::move(title)), width_(width), height_(height),
      pixels_(static_cast<size_t>(width) * static_cast<size_t>(height) * kBytesPerPixel, 0xFF) {}

void CPlugInPictureWnd::SetTitle(std::string title) {
    title_ = std::move(title);
    if (view_) view_->TitleChanged();
}

void CPlugInPictureWnd::Redraw() {
    if (view_) view_->Redraw();
}

void CPlugInPictureWnd::Mouse(int32_t event, int32_t x, int32_t y) {
    if (!mouse_) return;
    MouseHandler handler = mouse_;  // the plug-in may close the window meanwhile
    handler(event, std::clamp(x, 0, width_ - 1), std::clamp(y, 0, height_ - 1));
}

void CPlugInPictureWnd::RequestClose() {
    if (!onCloseRequested) return;
    std::function<void()> request = onCloseRequested;  // which may detach this window
    request();
}

void CPlugInPictureWnd::Detach() {
    mouse_ = nullptr;
    onCloseRequested = nullptr;
}

}  // namespace parlevox
