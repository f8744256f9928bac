#include "installer/SetupSession.h"

#include <unistd.h>

#include <algorithm>

#include "installer/InstallFolder.h"
#include "installer/ProgramStarter.h"
#include "installer/SetupSettingsImport.h"
#include "installer/SetupTexts.h"
#include "installer/UninstallRecord.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace texts = setup_texts;
namespace {

constexpr const char* kSettingsFile = "Parlevox.reg";

std::string CurrentFolder() {
    char buffer[4096];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

}  // namespace

SetupSession::SetupSession(SetupFrontEnd& frontEnd, SetupOptions options)
    : frontEnd_(frontEnd), options_(std::move(options)) {}

MessageResult SetupSession::Ask(std::string_view title, const std::string& text, MessageButtons buttons,
                                MessageIcon icon) {
    return frontEnd_.ShowMessage(MessageBoxRequest{std::string(title), text, icon, buttons});
}

void SetupSession::Fail(std::string_view title, const std::string& text) {
    Ask(title, text, MessageButtons::Ok, MessageIcon::Stop);
    Finish(1);
}

void SetupSession::Finish(int exitCode) {
    finished_ = true;
    exitCode_ = exitCode;
}

bool SetupSession::Start() {
    frontEnd_.ShowFolder(std::string(texts::kSearching), false);
    frontEnd_.EnableGo(false);
    std::optional<SetupDirectory> directory = SetupArchive::ReadDirectory(options_.installerPath);
    if (!directory) {
        Fail(texts::kSetupErrorTitle, texts::DirectoryError());
        return false;
    }
    directory_ = std::move(*directory);
    return true;
}

void SetupSession::Search() {
    if (finished_) return;
    std::optional<std::string> earlier;
    if (options_.folder) {
        std::optional<std::string> chosen = FolderFromText(*options_.folder);
        if (chosen && InstallationSearch::HoldsMarker(*chosen)) earlier = chosen;
    } else {
        earlier = InstallationSearch::Find(options_.homeFolder, options_.defaultFolder);
    }
    if (earlier) {
        upgrade_ = true;
        folder_ = *earlier;
        frontEnd_.ShowFolder(folder_, false);
        if (Ask(texts::kInstallingOverTitle, std::string(texts::kInstallingOver), MessageButtons::YesNo) !=
            MessageResult::Yes) {
            Finish(0);
            return;
        }
    } else {
        folder_ = options_.folder.value_or(options_.defaultFolder + "/");
        frontEnd_.ShowFolder(folder_, true);
    }
    frontEnd_.EnableGo(true);
}

std::optional<std::string> SetupSession::FolderFromText(std::string text) const {
    if (text.size() > kMaxFolderText) return std::nullopt;
    if (text == "~" || text.starts_with("~/")) text = options_.homeFolder + text.substr(1);
    if (!text.empty() && (text.back() == '/' || text.back() == '\\')) text.pop_back();
    if (text.empty()) return std::nullopt;
    if (text.front() != '/') text = CurrentFolder() + "/" + text;
    return text;
}

void SetupSession::Go(const std::string& folderText) {
    if (finished_) return;
    frontEnd_.HideFolder();
    std::optional<std::string> folder = FolderFromText(folderText);
    if (!ChooseFolder(folder)) {
        frontEnd_.ShowFolder(folderText, !upgrade_);
        return;
    }
    folder_ = *folder;
    frontEnd_.EnableGo(false);
    if (!InstallFolder::CreateTree(folder_)) {
        Fail(texts::kUnexpectedErrorTitle, std::string(texts::kUnexpectedError));
        return;
    }
    if (!UnpackAll() || !ApplySettings()) return;
    std::string menuEntry;
    if (Ask(texts::kAddToMenuTitle, std::string(texts::kAddToMenu), MessageButtons::YesNo) == MessageResult::Yes)
        menuEntry = AddMenuEntry();
    Complete(RecordUninstall(menuEntry), menuEntry);
}

bool SetupSession::ChooseFolder(const std::optional<std::string>& folder) {
    // The proposed default may lie below folders a new account lacks.
    if (folder == options_.defaultFolder) SafeFile::CreateFolders(SafeFile::FolderOf(*folder));
    InstallFolder::Creation creation = folder ? InstallFolder::Create(*folder) : InstallFolder::Creation::Invalid;
    if (creation == InstallFolder::Creation::Invalid) {
        Ask(texts::kInvalidFolderTitle, texts::InvalidFolder(options_.defaultFolder), MessageButtons::Ok,
            MessageIcon::Exclamation);
        return false;
    }
    if (creation == InstallFolder::Creation::Created && !upgrade_) return true;
    return Ask(texts::kFolderExistsTitle, std::string(texts::kFolderExists), MessageButtons::YesNo) ==
           MessageResult::Yes;
}

bool SetupSession::UnpackAll() {
    const uint64_t total = directory_.TotalBlockBytes();
    uint64_t done = 0;
    frontEnd_.ShowProgress(0, total);
    for (const SetupFileEntry& entry : directory_.files) {
        if (!Unpack(entry)) {
            Finish(1);
            return false;
        }
        done += entry.blockSize;
        frontEnd_.ShowProgress(done, total);
    }
    return true;
}

// A retry reads the block again: the installer file may have been the
// trouble as much as the disk written to.
bool SetupSession::Unpack(const SetupFileEntry& entry) {
    using Stage = SetupFrontEnd::Stage;
    // The directory reader refuses unsafe names already; this write must
    // not depend on that.
    const bool safe = SetupArchive::IsSafeName(entry.name, false) &&
                      (entry.subfolder.empty() || SetupArchive::IsSafeName(entry.subfolder, true));
    while (true) {
        frontEnd_.ShowStage(Stage::Reading);
        std::optional<std::string> block = SetupArchive::ReadBlock(options_.installerPath, entry);
        std::string_view question = texts::kReadingError;
        if (block) {
            frontEnd_.ShowStage(Stage::Unpacking);
            std::optional<std::string> bytes = safe ? SetupArchive::Inflate(*block) : std::nullopt;
            if (bytes && InstallFolder::WriteFile(folder_, entry.subfolder, entry.name, *bytes)) break;
            question = texts::kDecompressionError;
        }
        frontEnd_.ShowStage(Stage::None);
        if (Ask(texts::kExtractionErrorTitle, std::string(question), MessageButtons::YesNo,
                MessageIcon::Exclamation) != MessageResult::Yes)
            return false;
    }
    frontEnd_.ShowStage(Stage::None);
    installedFiles_.push_back(entry.subfolder.empty() ? entry.name
                                                      : InstallFolder::ToFileSystemPath(entry.subfolder) + "/" +
                                                            entry.name);
    return true;
}

bool SetupSession::ApplySettings() {
    const std::string path = folder_ + "/" + kSettingsFile;
    std::optional<std::string> text = SafeFile::ReadAll(path);
    Registry store;
    // A damaged settings file loads without the lines it cannot read.
    if (!text || !store.Load(options_.registryFile) || !ImportSetupSettings(*text, upgrade_, store) ||
        !store.Save()) {
        Fail(texts::kRegistryErrorTitle, std::string(texts::kRegistryError));
        return false;
    }
    unlink(path.c_str());
    std::erase(installedFiles_, std::string(kSettingsFile));
    return true;
}

std::string SetupSession::AddMenuEntry() {
    const std::string path = options_.applicationsFolder + "/" + DesktopEntry::kFileName;
    if (SafeFile::WriteAtomically(path, DesktopEntry::Text(folder_))) return path;
    Ask(texts::kMenuProblemTitle, std::string(texts::kMenuProblem), MessageButtons::Ok, MessageIcon::Exclamation);
    return {};
}

bool SetupSession::RecordUninstall(const std::string& menuEntry) {
    if (directory_.files.empty()) return false;
    std::optional<std::string> image = SetupArchive::ReadImage(options_.installerPath, directory_.files.front().offset);
    if (!image || !InstallFolder::WriteFile(folder_, "", UninstallRecord::kProgramName, *image, 0755)) return false;
    UninstallRecord record{folder_, Registry::kApplicationRoot, menuEntry, installedFiles_};
    record.files.push_back(UninstallRecord::kProgramName);
    std::optional<std::string> text = record.Format();
    return text && InstallFolder::WriteFile(folder_, "", UninstallRecord::kFileName, *text, 0644);
}

void SetupSession::Complete(bool uninstallRecorded, const std::string& menuEntry) {
    const std::string text = texts::Complete(uninstallRecorded, !menuEntry.empty(), folder_);
    if (Ask(texts::kCompleteTitle, text, MessageButtons::YesNo) == MessageResult::Yes &&
        !ProgramStarter::StartDetached(folder_ + "/" + InstallationSearch::kClientFile, folder_))
        Ask(texts::kLoadFailureTitle, std::string(texts::kLoadFailure), MessageButtons::Ok, MessageIcon::Exclamation);
    Finish(0);
}

}  // namespace parlevox
