#pragma once
// Every installed scheme, in order: entry 0 is the built-in default, which
// applies to every window and is never saved, moved or removed; later
// entries take precedence. The manager decides which scheme a window uses,
// tells the registered panes when that may have changed, and carries out
// installing, removing, ordering, creating, cloning and editing.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "display/Scheme.h"

namespace parlevox {

class UserInterface;

// What follows the schemes: output panes, and windows that paint with
// their pane's scheme.
class SchemeListener {
public:
    virtual ~SchemeListener() = default;
    // Ask for the scheme again and repaint.
    virtual void SchemeChanged() = 0;
};

class CSchemeManager {
public:
    static constexpr int kMaxSchemes = 128;  // the default included
    static constexpr const char* kExtension = ".ParlevoxScheme";

    // programFolder ends with "/"; paths inside it are kept relative.
    CSchemeManager(UserInterface& ui, std::string programFolder);
    ~CSchemeManager();
    CSchemeManager(const CSchemeManager&) = delete;
    CSchemeManager& operator=(const CSchemeManager&) = delete;

    // The installed list's paths in order. An empty path ends the list with
    // the lost-schemes warning; a file that fails to load is shown and
    // skipped. Either sets the dirty flag, so the next save drops it.
    void LoadInstalled(const std::vector<std::string>& paths);

    // Entries, the default included.
    int Count() const { return static_cast<int>(entries_.size()); }
    const CScheme& SchemeAt(int index) const;
    // The stored form: relative to the program folder where it lies inside it.
    const std::string& PathAt(int index) const;
    // The path as the file system needs it.
    std::string FullPathAt(int index) const;
    std::string DisplayName(int index) const;
    static std::string DisplayNameOf(std::string_view path);
    // Entries 1 and up, as they are stored.
    std::vector<std::string> Paths() const;

    bool Dirty() const { return dirty_; }
    void ClearDirty() { dirty_ = false; }
    bool Editing() const { return editing_; }

    // From the last entry down, the first whose usage applies; entry 0 when
    // none does. Remembered until the next change, so a paint costs a lookup.
    const CScheme& SchemeForWindow(const SchemeWindow& window) const;
    int IndexForWindow(const SchemeWindow& window) const;

    void RegisterPane(SchemeListener& pane);
    void UnregisterPane(SchemeListener& pane);
    // Every registered pane asks again and repaints.
    void NotifyPanes();

    // The preferences page's operations. Install loads the file and appends
    // it; false when it failed (the "Problem loading scheme file " box was
    // shown) or the list is full. Bad indices are internal errors.
    bool Install(const std::string& path);
    void Remove(int index);
    bool MoveUp(int index);
    bool MoveDown(int index);
    // A default scheme, or a copy of the entry's, saved at path and
    // appended; false with the writer's message shown when it failed.
    bool NewScheme(const std::string& path);
    bool CloneScheme(int index, const std::string& path);
    // The scheme saved at path and appended.
    bool AddScheme(const CScheme& scheme, const std::string& path);

    // The editor protocol: a working copy; the copy put in place (panes
    // told) and a fresh copy to go on with; the last copy put in place and
    // written to the entry's file (false with the message shown when the
    // write failed; the scheme stays in place). Editing is on from
    // BeginEdit to EndEdit.
    std::unique_ptr<CScheme> BeginEdit(int index);
    std::unique_ptr<CScheme> ApplyEdit(int index, const CScheme& copy);
    bool EndEdit(int index, const CScheme& copy);
    // The editor closed without keeping its last changes.
    void CancelEdit() { editing_ = false; }
    // "<display name> - Scheme settings".
    std::string EditorTitle(int index) const;

    // The window id of the per-window editing command: "#" + channel,
    // "~" + kind name, or a nickname; narrows the entry's usage to it (the
    // server list stays).
    static void NarrowUsage(CScheme& scheme, std::string_view windowId);
    // A general scheme: its channel list holds "*", or it has no channel
    // and its private-chat list holds "*".
    static bool IsGeneral(const CScheme& scheme);
    // The window a window id stands for (no server).
    static SchemeWindow WindowOfId(std::string_view windowId);
    // The extension rule of "Save New Scheme As": a name ending in ".Par"
    // gets "levoxScheme".
    static std::string CompleteExtension(std::string path);

private:
    struct Entry {
        std::unique_ptr<CScheme> scheme;
        std::string path;  // stored form; empty for the default
    };

    bool ValidInstalledIndex(int index) const;
    // Loads the file and appends it; the box shown when it fails.
    bool Append(const std::string& path);
    std::string StoredPath(const std::string& path) const;
    void Changed();

    UserInterface& ui_;
    std::string programFolder_;
    std::vector<Entry> entries_;
    std::vector<SchemeListener*> panes_;
    bool dirty_ = false;
    bool editing_ = false;
    mutable std::unordered_map<std::string, int> chosen_;  // window key -> entry
};

}  // namespace parlevox
