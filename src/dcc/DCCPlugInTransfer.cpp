#include "dcc/DCCPlugInTransfer.h"

#include <utility>

#include "dcc/DCCPlugIns.h"

namespace parlevox {

CDCCPlugInTransfer::CDCCPlugInTransfer(CDCCPlugIn& plugIn, int32_t handle, DccSinkSource& source, std::string nick,
                                       std::string path, uint64_t size)
    : plugIn_(plugIn), handle_(handle), source_(&source), nick_(std::move(nick)), path_(std::move(path)),
      size_(size) {}

// It may go after its plug-in (a late deletion): it touches nothing of it.
CDCCPlugInTransfer::~CDCCPlugInTransfer() = default;

void CDCCPlugInTransfer::Data(const uint8_t* bytes, size_t length) {
    if (!source_) return;
    received_ += length;
    if (!closing_) plugIn_.CallData(handle_, bytes, length);
    AttachWindow();
}

void CDCCPlugInTransfer::End(bool complete) {
    if (!source_) return;
    source_ = nullptr;
    finishing_ = true;
    plugIn_.CallFinish(handle_, complete ? 0 : 2);
    finishing_ = false;
    AttachWindow();
    plugIn_.ForgetIfDone(handle_);
}

// A window opened since the last call learns the transfer, and shows the progress.
void CDCCPlugInTransfer::AttachWindow() {
    if (!window_) return;
    if (!window_->Attached()) window_->Attach(nick_, path_, size_);
    window_->SetProgress(received_);
}

PvWindow CDCCPlugInTransfer::OpenWindow(int32_t width, int32_t height, PvBitmap* bitmap, bool progress,
                                        bool buttons) {
    if (closing_ || window_ || (!source_ && !finishing_)) return 0;
    const DccPlugInLink* link = plugIn_.Owner().Linked();
    DccViews* views = link ? link->views : nullptr;
    window_ = CDCCPlugInWnd::Make(width, height, progress, buttons, views ? views->ScreenArea() : DccScreenArea {},
                                  link ? link->sounds : nullptr);
    if (!window_) return 0;
    window_->onPictureMouse = [this](int event, int x, int y) { plugIn_.CallEvent(handle_, event, x, y); };
    window_->onButton = [this](CDCCPlugInWnd::Button button) {
        constexpr CDCCPlugIn::Action kActions[] = {CDCCPlugIn::Action::Delete, CDCCPlugIn::Action::Ignore,
                                                   CDCCPlugIn::Action::Close};
        plugIn_.PostAction(handle_, kActions[button]);
    };
    window_->onCloseRequested = [this] { plugIn_.PostAction(handle_, CDCCPlugIn::Action::Close); };
    if (bitmap) *bitmap = {width, height, window_->BytesPerRow(), window_->Pixels()};
    if (views) window_->SetView(views->MakePlugInView(*window_));
    return window_->Id();
}

void CDCCPlugInTransfer::Redraw() {
    if (window_) window_->Redraw();
}

// The window goes first: destroying it is what closes the transfer.
void CDCCPlugInTransfer::Close() {
    if (closed_) return;
    closed_ = closing_ = true;
    window_.reset();
    if (source_) {
        source_->CloseTransfer();  // the transfer's end reaches End at once
        End(false);                // unless the transfer had no window left to close
    }
    plugIn_.ForgetIfDone(handle_);
}

}  // namespace parlevox
