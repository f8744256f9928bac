#pragma once
// The installer's steps, whatever shows them: read the archive's directory,
// find an earlier installation, then on "Go" make the folder, unpack every
// file, apply the settings, offer the menu entry, record what uninstalling
// removes and offer to start the client.
//
// Start -> Search -> Go (again while the folder is refused) -> Finished.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "installer/DesktopEntry.h"
#include "installer/InstallationSearch.h"
#include "installer/SetupArchive.h"
#include "installer/SetupFrontEnd.h"
#include "platform/Registry.h"

namespace parlevox {

struct SetupOptions {
    // The installer file carrying the archive.
    std::string installerPath = "/proc/self/exe";
    std::string homeFolder = InstallationSearch::HomeFolder();
    // Proposed for a fresh install and named in "Invalid folder".
    std::string defaultFolder = InstallationSearch::DefaultFolder();
    std::string registryFile = Registry::DefaultFilePath();
    std::string applicationsFolder = DesktopEntry::DefaultFolder();
    // Chosen by the user beforehand: an upgrade when it holds the category
    // file, else a fresh install proposing it; nothing is searched then.
    std::optional<std::string> folder;
};

class SetupSession {
public:
    static constexpr size_t kMaxFolderText = 510;

    SetupSession(SetupFrontEnd& frontEnd, SetupOptions options);

    // Reads the archive's directory; false (and finished) when it cannot.
    bool Start();
    // Works out the folder and the mode and puts them in the folder box.
    void Search();
    // The user's folder text: installs, or shows the box again when the
    // folder is refused.
    void Go(const std::string& folderText);

    bool Finished() const { return finished_; }
    // 0 after a completed install or when the user stopped at the first
    // question, 1 after a failure.
    int ExitCode() const { return exitCode_; }
    bool Upgrade() const { return upgrade_; }
    // The folder installed into (after Go), or proposed.
    const std::string& Folder() const { return folder_; }

private:
    MessageResult Ask(std::string_view title, const std::string& text, MessageButtons buttons,
                      MessageIcon icon = MessageIcon::Question);
    void Fail(std::string_view title, const std::string& text);
    void Finish(int exitCode);

    std::optional<std::string> FolderFromText(std::string text) const;
    // False when the user is to choose again.
    bool ChooseFolder(const std::optional<std::string>& folder);
    bool UnpackAll();
    bool Unpack(const SetupFileEntry& entry);
    bool ApplySettings();
    std::string AddMenuEntry();
    bool RecordUninstall(const std::string& menuEntry);
    void Complete(bool uninstallRecorded, const std::string& menuEntry);

    SetupFrontEnd& frontEnd_;
    SetupOptions options_;
    SetupDirectory directory_;
    std::string folder_;
    std::string folderBoxText_;
    std::vector<std::string> installedFiles_;
    bool upgrade_ = false;
    bool finished_ = false;
    int exitCode_ = 0;
};

}  // namespace parlevox
