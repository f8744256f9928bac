#pragma once
// Shared by the installer's tests: a front end that records the boxes and
// answers from a script, and installer files made with the archive writer.
#include <sys/stat.h>

#include <deque>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "installer/SetupArchive.h"
#include "installer/SetupFrontEnd.h"
#include "installer/SetupTexts.h"
#include "support/TempDir.h"

namespace parlevox::test {

class RecordingFrontEnd : public SetupFrontEnd {
public:
    // By title, in order; unscripted questions get Yes, except the retry
    // question and "Installation complete" (No).
    std::map<std::string, std::deque<MessageResult>> answers;
    std::function<void()> onMessage;  // before the answer
    std::vector<MessageBoxRequest> boxes;
    std::vector<std::pair<std::string, bool>> folders;  // text, editable
    bool goEnabled = false;
    uint64_t done = 0, total = 0;

    MessageResult ShowMessage(const MessageBoxRequest& box) override {
        boxes.push_back(box);
        if (onMessage) onMessage();
        if (std::deque<MessageResult>& scripted = answers[box.title]; !scripted.empty()) {
            MessageResult answer = scripted.front();
            scripted.pop_front();
            return answer;
        }
        if (!IsQuestion(box.buttons)) return MessageResult::Ok;
        const bool no = box.title == setup_texts::kCompleteTitle || box.title == setup_texts::kExtractionErrorTitle;
        return no ? MessageResult::No : MessageResult::Yes;
    }
    void ShowFolder(const std::string& text, bool editable) override { folders.emplace_back(text, editable); }
    void HideFolder() override {}
    void EnableGo(bool enabled) override { goEnabled = enabled; }
    void ShowStage(Stage) override {}
    void ShowProgress(uint64_t doneBytes, uint64_t totalBytes) override { done = doneBytes, total = totalBytes; }

    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const MessageBoxRequest& box : boxes) titles.push_back(box.title);
        return titles;
    }
};

struct ArchivedFile {
    std::string name, subfolder, bytes;
};

inline constexpr const char* kImage = "\x7f" "ELF pretend executable image";
inline constexpr const char* kClientScript = "#!/bin/sh\necho started > started.txt\n";
// Every install sets the module count; only a fresh one the colour after "!".
inline constexpr const char* kSettings =
    "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Modules]\r\n\"Count\"=dword:00000001\r\n"
    "!\r\n[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Colours]\r\n\"Colour1\"=dword:00000005\r\n";

inline std::vector<ArchivedFile> ShippedFiles(std::string settings = kSettings) {
    return {{"parlevox", "", kClientScript},
            {"MajorChannels.dat", "", "categories"},
            {"Parlevox.reg", "", std::move(settings)},
            {"intro.html", "Tutorial\\IRC", "<p>IRC</p>"},
            {"Sample.ParlevoxModule", "Scripts", std::string(5000, 'm')}};
}

inline void WriteInstaller(const std::string& path, const std::vector<ArchivedFile>& files) {
    SetupArchiveWriter writer;
    for (const ArchivedFile& file : files) writer.Add(file.name, file.subfolder, file.bytes);
    std::optional<std::string> archive = writer.Finish(std::string(kImage).size());
    if (!archive) throw std::runtime_error("the test archive does not fit");
    WriteWholeFile(path, kImage + *archive);
}

inline bool Exists(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0;
}

inline mode_t ModeOf(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace parlevox::test
