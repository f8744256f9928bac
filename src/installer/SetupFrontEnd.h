#pragma once
// What the installer's steps show, whoever shows it: the setup window
// (the picture, the folder box, "Go", message boxes) or the text mode.
#include <cstdint>
#include <string>

#include "common/MessageBox.h"

namespace parlevox {

class SetupFrontEnd {
public:
    // The two areas of the picture inverted while a file is read from the
    // installer and while it is unpacked.
    enum class Stage { None, Reading, Unpacking };

    virtual ~SetupFrontEnd() = default;

    virtual MessageResult ShowMessage(const MessageBoxRequest& box) = 0;
    // The folder box: its text, whether the user may edit it, and "Go".
    virtual void ShowFolder(const std::string& text, bool editable) = 0;
    virtual void HideFolder() = 0;  // its place painted white
    virtual void EnableGo(bool enabled) = 0;
    virtual void ShowStage(Stage stage) = 0;
    // The bar under the picture: done of total data-block bytes.
    virtual void ShowProgress(uint64_t done, uint64_t total) = 0;
};

}  // namespace parlevox
