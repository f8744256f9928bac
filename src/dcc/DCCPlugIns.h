#pragma once
// The installed DCC plug-ins, in the order of the "DCC Plug-ins" list:
// loading them at start-up, installing and removing them (with the
// file-type table's entries that route files to them), and the sinks that
// hand them received files. The application owns the list; the DCC
// control links itself while it runs transfers, lending the views, sounds
// and ignore list the plug-ins' windows and callbacks reach.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dcc/DCCPlugIn.h"
#include "dcc/DccOptions.h"

namespace parlevox {

class CSoundSystem;
class DccViews;
class EventLoop;
class UserInterface;

// The plug-ins' settings, in the section "Plug-in " + the plug-in's name.
class DccPlugInSettings {
public:
    virtual ~DccPlugInSettings() = default;
    virtual int ReadInt(const std::string& plugIn, const std::string& key, int defaultValue) = 0;
    virtual void WriteInt(const std::string& plugIn, const std::string& key, int value) = 0;
    // Empty when there is none.
    virtual std::string ReadString(const std::string& plugIn, const std::string& key) = 0;
    virtual void WriteString(const std::string& plugIn, const std::string& key, const std::string& value) = 0;
};

struct DccPlugInServices {
    EventLoop& loop;
    UserInterface& ui;
    DccOptions& options;                   // the list and the file-type table
    DccPlugInSettings* settings = nullptr;  // null: every read gives its default
    std::function<void()> optionsChanged = {};  // the list or the table changed: save them
};

// What the DCC control lends while it runs.
struct DccPlugInLink {
    DccViews* views = nullptr;  // the plug-in windows' views and the screen's size
    CSoundSystem* sounds = nullptr;
    // The sender of a file the person chose to ignore.
    std::function<void(const std::string& nick)> ignoreSender;
};

class CDCCPlugIns {
public:
    explicit CDCCPlugIns(DccPlugInServices services);
    ~CDCCPlugIns();
    CDCCPlugIns(const CDCCPlugIns&) = delete;
    CDCCPlugIns& operator=(const CDCCPlugIns&) = delete;

    // Start-up: every library of the "DCC Plug-ins" list. One that fails
    // is reported in a box and dropped from the list, which is then saved.
    void LoadInstalled();
    // Each plug-in's "Startup", once the main window exists.
    void StartupAll();

    // "Install...": the file dialog, then Install. Null when cancelled or refused.
    CDCCPlugIn* InstallChosen();
    // Loads the library, appends it, calls its "Startup" and routes its
    // file types to it. Null with the reason shown in a box.
    CDCCPlugIn* Install(const std::string& path);
    // "Remove", after the person's Yes: its file types save to disk again,
    // its transfers close and the library is released.
    bool Remove(size_t index);
    // "Setup...".
    void Setup(size_t index);

    const std::vector<std::unique_ptr<CDCCPlugIn>>& PlugIns() const { return plugIns_; }
    // By name, without regard to case.
    CDCCPlugIn* Find(std::string_view name) const;

    // What a received file of a table entry naming the plug-in is handed
    // to; null when no plug-in of that name is installed.
    std::shared_ptr<DccDataSink> SinkFor(const std::string& plugInName);

    // The DCC control that runs transfers; null (the control goes) closes
    // every plug-in transfer and window first.
    void Link(const DccPlugInLink* link);
    const DccPlugInLink* Linked() const { return link_; }

    EventLoop& Loop() const { return services_.loop; }
    UserInterface& UI() const { return services_.ui; }
    DccPlugInSettings* Settings() const { return services_.settings; }

    // A name that ends in "." and the extension's first three letters (as
    // shortened names show it, in any case) gets the rest of the extension.
    static std::string CompleteExtension(std::string path);

private:
    std::unique_ptr<CDCCPlugIn> Load(const std::string& path, CDCCPlugIn::LoadFailure& failure);
    void RouteTypes(const CDCCPlugIn& plugIn);
    void SyncList();
    void Changed();
    void Box(const std::string& text) const;

    DccPlugInServices services_;
    std::vector<std::unique_ptr<CDCCPlugIn>> plugIns_;
    const DccPlugInLink* link_ = nullptr;
};

}  // namespace parlevox
