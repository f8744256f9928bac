#pragma once
// The headless client's views: every line a window adds to its pane goes to
// standard output as "<window><TAB><text>", the window being the channel,
// the query partner's current nick, or "~Status".
#include <memory>
#include <string>

#include "ConsoleOutput.h"
#include "ui/ChatWindows.h"

namespace parlevox {

class HeadlessView final : public ChatWindowView {
public:
    HeadlessView(ConsoleOutput& output, std::string name) : output_(output), name_(std::move(name)) {}

    void Attach(const CChatWindow& window) { window_ = &window; }
    void LineAdded(std::string_view text) override { output_.WriteLine(window_ ? window_->Name() : name_, text); }
    void CaptionChanged(const std::string&) override {}
    void InputEnabled(bool) override {}
    void CloseRequested() override {}

private:
    ConsoleOutput& output_;
    std::string name_;
    const CChatWindow* window_ = nullptr;
};

class HeadlessViews final : public ChatWindowViews {
public:
    explicit HeadlessViews(ConsoleOutput& output) : output_(output) {}

    std::unique_ptr<ChatWindowView> MakeView(ChatWindowKind, const std::string& name) override {
        return std::make_unique<HeadlessView>(output_, name);
    }
    void Opened(ChatWindowView& view, CChatWindow& window) override {
        static_cast<HeadlessView&>(view).Attach(window);
    }

private:
    ConsoleOutput& output_;
};

}  // namespace parlevox
