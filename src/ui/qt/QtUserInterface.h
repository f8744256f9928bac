#pragma once
// The core's questions as Qt dialogs: message boxes with the title, text,
// icon and buttons the core gives (the first button the default, as the
// core expects), text prompts, the file dialogs, choice questions and the
// clipboard. Each box is parented to the active window when there is one.
#include <QMessageBox>
#include <QString>
#include <memory>

#include "platform/UserInterface.h"

namespace parlevox {

class QtUserInterface final : public UserInterface {
public:
    MessageResult ShowMessageBox(const MessageBoxRequest& request) override;
    std::optional<std::string> PromptText(const std::string& prompt, const std::string& title,
                                          const std::string& initial) override;
    std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& filter,
                                              const std::string& defaultExtension,
                                              const std::string& proposedPath) override;
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& filter) override;
    std::optional<int> ChooseOption(const ChoiceRequest& request) override;
    ClipboardResult SetClipboardText(const std::string& text) override;

    // The box as it will be shown, not yet run.
    static std::unique_ptr<QMessageBox> MakeBox(const MessageBoxRequest& request, QWidget* parent = nullptr);
    // The answer for the button pressed; a box closed without one (Escape,
    // the title bar) answers Cancel where it has one, else No, else Ok.
    static MessageResult ResultFor(int pressed, MessageButtons buttons);
    // "Text files (*.txt)|*.txt||" as Qt's "Text files (*.txt)".
    static QString QtFilter(const std::string& filter);
    // The extension ("txt" or ".txt") added to a file name that has none.
    static std::string WithExtension(const std::string& path, const std::string& extension);
};

}  // namespace parlevox
