#pragma once
// Views that keep, per window, the lines it shows (codes stripped), and how
// often a window of that name was opened.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/ControlBytes.h"
#include "ui/ChatWindows.h"

namespace parlevox::test {

class LineRecordingView final : public ChatWindowView {
public:
    explicit LineRecordingView(std::vector<std::string>& lines) : lines_(lines) {}
    void LineAdded(std::string_view text) override { lines_.push_back(StripControlCodes(text)); }
    void CaptionChanged(const std::string&) override {}
    void InputEnabled(bool) override {}
    void CloseRequested() override {}

private:
    std::vector<std::string>& lines_;
};

class LineRecordingViews final : public ChatWindowViews {
public:
    std::unique_ptr<ChatWindowView> MakeView(ChatWindowKind, const std::string& name) override {
        ++opened[name];
        return std::make_unique<LineRecordingView>(lines[name]);
    }
    std::map<std::string, std::vector<std::string>> lines;
    std::map<std::string, int> opened;
};

}  // namespace parlevox::test
