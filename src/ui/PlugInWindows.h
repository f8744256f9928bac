#pragma once
// What the plug-ins reach of a chat session: the script text windows, the
// command processor (lines run in the status window) and the front end's
// views of picture windows.
#include "commands/CommandLineRunner.h"
#include "commands/CommandOutput.h"
#include "modules/PlugInServices.h"
#include "ui/ChatWindows.h"

namespace parlevox {

class PlugInWindows final : public PlugInWindowHost {
public:
    PlugInWindows(ChatWindows& windows, CommandLineRunner& commands, CommandOutput& status)
        : windows_(windows), commands_(commands), status_(status) {}

    // None: picture windows have no view. Must outlive the session.
    void SetViews(PlugInPictureViews* views) { views_ = views; }

    bool OpenTextWindow(std::span<const std::string> words) override {
        std::string problem;
        return windows_.OpenTextWindow(words, problem);
    }
    bool WriteTextWindow(const std::string& name, const std::string& text) override {
        return windows_.WriteTextWindow(name, text);
    }
    // As typed: %variables% are filled in.
    void RunCommandLine(const std::string& line) override { commands_.Run(line, {}, {}, status_); }
    std::unique_ptr<PlugInPictureView> MakePictureView(CPlugInPictureWnd& window) override {
        return views_ ? views_->MakeView(window) : nullptr;
    }

private:
    ChatWindows& windows_;
    CommandLineRunner& commands_;
    CommandOutput& status_;
    PlugInPictureViews* views_ = nullptr;
};

}  // namespace parlevox
