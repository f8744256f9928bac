// parlevox-setup: installs the client it carries, in a window or as text.
// Started as parlevox-uninstall (the copy it leaves in the install folder)
// it removes that installation instead.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "TextSetup.h"
#include "installer/InstallationSearch.h"
#include "installer/SetupSession.h"
#include "installer/SetupTexts.h"
#include "installer/SetupUninstall.h"
#include "installer/UninstallRecord.h"
#ifdef PARLEVOX_SETUP_WINDOW
#include "SetupWindow.h"
#endif

namespace {

using namespace parlevox;

constexpr const char* kUsage =
    "Usage: parlevox-setup [--text] [--folder DIR] [--uninstall]\n"
    "  --text       no window: print what it would show, answer every question with its default\n"
    "  --folder DIR install into DIR (an upgrade when DIR holds an installation)\n"
    "  --uninstall  remove the installation in DIR, or the one found in your home folder\n";

struct Arguments {
    bool text = false;
    bool uninstall = false;
    std::optional<std::string> folder;
};

std::optional<Arguments> Parse(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--text") {
            args.text = true;
        } else if (word == "--uninstall") {
            args.uninstall = true;
        } else if (word == "--folder" && i + 1 < argc) {
            args.folder = argv[++i];
        } else {
            return std::nullopt;
        }
    }
    return args;
}

std::string ExecutablePath() {
    char buffer[4096];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : "";
}

std::string BaseName(const std::string& path) {
    return path.substr(path.find_last_of('/') + 1);
}

// A window system to show the window on (offscreen counts: pictures of it).
bool HasDisplay() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

int RunTextSetup(SetupOptions options) {
    TextSetup frontEnd(std::cout);
    SetupSession session(frontEnd, std::move(options));
    if (session.Start()) session.Search();
    if (!session.Finished()) session.Go(frontEnd.FolderText());
    if (!session.Finished()) {
        std::cout << "Nothing installed: choose another folder with --folder.\n";
        return 1;
    }
    return session.ExitCode();
}

int RunUninstall(const Arguments& args, int argc, char** argv) {
    std::optional<std::string> found =
        args.folder ? args.folder
                    : InstallationSearch::Find(InstallationSearch::HomeFolder(), InstallationSearch::DefaultFolder());
#ifdef PARLEVOX_SETUP_WINDOW
    // Started from a file manager, it asks in a window before removing anything.
    if (!args.text && HasDisplay()) return RunUninstallWindow(found, argc, argv);
#else
    (void)argc;
    (void)argv;
#endif
    TextSetup frontEnd(std::cout);
    if (!found) {
        frontEnd.ShowMessage({std::string(setup_texts::kUninstallErrorTitle), std::string(setup_texts::kNoInstallation),
                              MessageIcon::Stop, MessageButtons::Ok});
        return 1;
    }
    return SetupUninstall(frontEnd, UninstallOptions{*found}).Run();
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<Arguments> args = Parse(argc, argv);
    if (!args) {
        std::cerr << kUsage;
        return 2;
    }
    const std::string executable = ExecutablePath();
    if (BaseName(argc > 0 ? argv[0] : "") == UninstallRecord::kProgramName ||
        BaseName(executable) == UninstallRecord::kProgramName) {
        args->uninstall = true;
        if (!args->folder) args->folder = executable.empty() ? "." : executable.substr(0, executable.find_last_of('/'));
    }
    if (args->uninstall) return RunUninstall(*args, argc, argv);

    SetupOptions options;
    options.folder = args->folder;
#ifdef PARLEVOX_SETUP_WINDOW
    if (!args->text && HasDisplay()) return RunSetupWindow(std::move(options), argc, argv);
#endif
    if (!args->text)
        std::cout << (HasDisplay() ? "This parlevox-setup has no window" : "No display") << ": running in text mode.\n";
    return RunTextSetup(std::move(options));
}
