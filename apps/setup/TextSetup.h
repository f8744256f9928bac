#pragma once
// The installer without a display: prints what the window would show and
// answers every box as nobody sitting at it would want.
#include <ostream>
#include <string>

#include "installer/SetupFrontEnd.h"

namespace parlevox {

class TextSetup : public SetupFrontEnd {
public:
    explicit TextSetup(std::ostream& out) : out_(out) {}

    MessageResult ShowMessage(const MessageBoxRequest& box) override;
    void ShowFolder(const std::string& text, bool editable) override;
    void HideFolder() override {}
    void EnableGo(bool) override {}
    void ShowStage(Stage stage) override;
    void ShowProgress(uint64_t done, uint64_t total) override;

    // What the folder box holds now, for "Go".
    const std::string& FolderText() const { return folderText_; }

    // The box's preselected button, except No to the retry questions (they
    // would ask forever) and to starting the client (there may be no
    // display for it).
    static MessageResult Answer(const MessageBoxRequest& box);

private:
    std::ostream& out_;
    std::string folderText_;
    Stage stage_ = Stage::None;
    int percent_ = -1;
};

}  // namespace parlevox
