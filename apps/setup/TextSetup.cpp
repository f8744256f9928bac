#include "TextSetup.h"

#include "installer/SetupTexts.h"

namespace parlevox {
namespace {

const char* AnswerName(MessageResult answer) {
    switch (answer) {
        case MessageResult::Ok: return "OK";
        case MessageResult::Cancel: return "Cancel";
        case MessageResult::Yes: return "Yes";
        case MessageResult::No: return "No";
    }
    return "?";
}

}  // namespace

MessageResult TextSetup::Answer(const MessageBoxRequest& box) {
    if (IsQuestion(box.buttons) && (box.title == setup_texts::kExtractionErrorTitle ||
                                    box.title == setup_texts::kCompleteTitle))
        return MessageResult::No;
    int position = box.defaultButton;
    if (position == 0) position = box.buttons == MessageButtons::YesNoDefaultNo ? 2 : 1;
    return ButtonAt(box.buttons, position).value_or(MessageResult::Ok);
}

MessageResult TextSetup::ShowMessage(const MessageBoxRequest& box) {
    const MessageResult answer = Answer(box);
    out_ << box.title << ": " << box.text << "\n[" << AnswerName(answer) << "]\n";
    return answer;
}

void TextSetup::ShowFolder(const std::string& text, bool editable) {
    folderText_ = text;
    out_ << "Folder: " << text << (editable ? "" : " (fixed)") << "\n";
}

void TextSetup::ShowStage(Stage stage) {
    if (stage == stage_) return;
    stage_ = stage;
    if (stage == Stage::Reading) out_ << "Reading\n";
    if (stage == Stage::Unpacking) out_ << "Unpacking\n";
}

void TextSetup::ShowProgress(uint64_t done, uint64_t total) {
    const int percent = total == 0 || done >= total ? 100 : static_cast<int>(done * 100 / total);
    if (percent == percent_) return;
    percent_ = percent;
    out_ << "Progress: " << percent << "%\n";
}

}  // namespace parlevox
