#pragma once
// One loaded script-command plug-in: the library, what its Init reported
// (the texts, the commands and their type strings), the 48 x 48 icon it
// drew, its callback table, the values it made and the windows it opened.
// Held by shared pointers: a call into the library holds its record, so a
// plug-in removed meanwhile is unloaded only once the call has returned.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "display/RawBitmap.h"
#include "modules/PlugInPictureWnd.h"
#include "modules/PlugInServices.h"
#include "parlevox/plugin.h"
#include "script/Variable.h"

namespace parlevox {

class EventLoop;
class SystemVariables;

// What the plug-ins of one host share.
struct ScPlugInServices {
    EventLoop& loop;
    PlugInSettingsAccess& settings;
    SystemVariables& variables;
    PlugInWindowHost* windows = nullptr;  // while a chat session exists
};

struct ScPlugInCommand {
    std::string name;
    std::string types;  // short form ("sI")
};

// A type string in either form ("sI" or "sai") as the short form; nothing
// for any other character or a lone "a".
std::optional<std::string> PlugInTypeString(std::string_view text);

class CScPlugIn final : public std::enable_shared_from_this<CScPlugIn> {
public:
    static constexpr int kIconSize = PV_ICON_SIZE;
    static constexpr size_t kStringBuffer = 255;  // characters a component string comes back with

    enum class LoadError { None, Failed, NotCompatible, SameLibrary };
    // Opens an absolute path (RTLD_NOW | RTLD_LOCAL) and calls Init. A
    // library already loaded (sameLibrary says so) is let go before Init.
    static std::shared_ptr<CScPlugIn> Load(const std::string& path, std::shared_ptr<ScPlugInServices> services,
                                           const std::function<bool(void* library)>& sameLibrary, LoadError& error);
    ~CScPlugIn();
    CScPlugIn(const CScPlugIn&) = delete;
    CScPlugIn& operator=(const CScPlugIn&) = delete;

    void* Library() const { return library_; }
    const std::string& Path() const { return path_; }
    const std::string& Name() const { return name_; }
    const std::string& Text2() const { return text2_; }
    const std::string& Text3() const { return text3_; }
    const std::vector<ScPlugInCommand>& Commands() const { return commands_; }
    const CRawBitmap& Icon() const { return icon_; }
    // "Name / text2 (text3)".
    std::string DisplayLine() const;
    // The command of that name (any case).
    const ScPlugInCommand* FindCommand(std::string_view name) const;

    // Calls Command with the plug-in's spelling of the name; the value it
    // returns is copied out and destroyed. The argument must match.
    CVariable Run(const ScPlugInCommand& command, const CVariable& argument);
    // The export Startup, when there is one.
    void CallStartup();

    // The windows this plug-in opened that are still open or still hold
    // their picture (a window the person closed keeps it for the plug-in).
    const std::vector<std::unique_ptr<CPlugInPictureWnd>>& Windows() const { return windows_; }
    // The session went: no window shows any more.
    void DropViews();

    // For the callbacks: the record behind a context, when it is one.
    static CScPlugIn* FromContext(void* context);
    const PvScHost& HostTable() const { return host_; }

private:
    struct Callbacks;
    friend struct Callbacks;
    static void FillCallbacks(PvScHost& host, CScPlugIn* record);  // ScPlugInCallbacks.cpp

    CScPlugIn(void* library, std::string path, std::shared_ptr<ScPlugInServices> services,
              PvScCommandFunction command);
    bool TakeInfo();
    std::string SettingsName() const;

    // Values the plug-in may read: arguments of calls under way, values it
    // made, system variables it was given. Only made ones may change.
    const CVariable* Readable(const PvValue* value) const;
    CVariable* Writable(PvValue* value) const;
    CVariable TakeResult(PvValue* returned);
    const char* Keep(std::array<char, kStringBuffer + 1>& buffer, std::string_view text);

    PvWindow OpenPicture(const char* title, int32_t width, int32_t height, PvBitmap* bitmap,
                         void (*onMouse)(void*, int32_t, int32_t, int32_t), void* user);
    CPlugInPictureWnd* FindWindow(PvWindow window) const;
    void CloseWindow(PvWindow window);
    void ClosedByPerson(PvWindow window);
    void Mouse(PvWindow window, int32_t event, int32_t x, int32_t y);

    void* library_;
    std::string path_;
    std::shared_ptr<ScPlugInServices> services_;
    PvScCommandFunction command_;
    bool loaded_ = false;  // Init accepted
    std::string name_, text2_, text3_;
    std::vector<ScPlugInCommand> commands_;
    CRawBitmap icon_;
    PvScInfo info_{};
    PvScHost host_{};

    std::unordered_map<const void*, std::unique_ptr<CVariable>> made_;
    std::vector<const CVariable*> arguments_;
    std::unordered_set<const void*> systemValues_;
    std::array<char, kStringBuffer + 1> stringComponent_{}, functionComponent_{}, stringElement_{},
        functionElement_{};
    std::string settingString_;
    std::vector<std::unique_ptr<CPlugInPictureWnd>> windows_;
    struct MouseTarget {
        void (*handler)(void* user, int32_t event, int32_t x, int32_t y);
        void* user;
    };
    std::unordered_map<PvWindow, MouseTarget> mouseTargets_;
};

}  // namespace parlevox
