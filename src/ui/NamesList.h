#pragma once
// The people of one channel: the client's record of who is in it and who
// holds operator status or voice. It keeps itself up to date from the
// channel's events, completes nicks for the input line, and hands the
// mouse and keyboard on to its channel window. Drawing is NamesListPainter.
//
// Each entry is stored as one text: a status letter ("O" operator and voice,
// "o" operator, "v" voice, "z" neither), the nick, and a colour digit ("1"
// when added, kept through status changes). Entries stand in the sorted
// order of that text, so operators come first, then voiced people, then
// everyone else, each group by nick.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "display/ChannelMembers.h"
#include "display/WindowsColour.h"
#include "irc/EventHandlerWindow.h"
#include "ui/NamesListEntries.h"

namespace parlevox {

class CScheme;
class NamesListActions;
struct ConnectionState;

struct NickStatus {
    bool op = false;
    bool voice = false;
    bool operator==(const NickStatus&) const = default;
};

struct NickCompletion {
    bool found = false;
    std::string suffix;  // empty when several nicks match
};

class CNamesList final : public EventHandlerWindow, public ChannelMembers {
public:
    static constexpr const char* kDefaultDoubleClickCommand = "/query %";

    // Registers for the channel's events, and for the listing that follows
    // joining it.
    CNamesList(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& state, std::string channel);

    const std::string& Channel() const { return channel_; }

    // Nicks are compared with the letters A-Z folded to lower case.
    int Find(std::string_view nick) const;  // position in order, or -1
    std::optional<NickStatus> Lookup(std::string_view nick) const;
    // An absent nick is an internal error (and reads as neither).
    NickStatus Status(std::string_view nick) const;
    // A nick already present, or empty, is left as it is.
    void Add(std::string_view nick, bool op, bool voice);
    // Keeps the digit and the selection; an absent nick is an internal error.
    void SetStatus(std::string_view nick, bool op, bool voice);
    // An absent nick is an internal error.
    void Remove(std::string_view nick);
    void Clear();
    NickCompletion Complete(std::string_view prefix) const;

    size_t Count() const { return entries_.Size(); }
    const NamesListEntries& Entries() const { return entries_; }
    static std::string_view NickOf(std::string_view entry);
    static NickStatus StatusOf(std::string_view entry);

    bool Contains(std::string_view nick) const override { return Lookup(nick).has_value(); }
    void RemoveMember(std::string_view nick) override { Remove(nick); }

    // The selected entry's position, or -1.
    int Selection() const;
    std::string SelectedNick() const;
    // -1, or a position out of range, clears it.
    void Select(int index);

    // Scheme: the painter draws with it; without one nothing is drawn. The
    // background is white until a scheme gives its colour. The view is told.
    void SetScheme(const CScheme* scheme) {
        scheme_ = scheme;
        NotifyChanged();
    }
    const CScheme* Scheme() const { return scheme_; }
    WindowsColour Background() const;

    // Mouse and keyboard, handed on through the actions (none: ignored).
    void SetActions(NamesListActions* actions) { actions_ = actions; }
    // An empty command stands for the default.
    void SetDoubleClickCommand(std::string command);
    // entry: the position under the pointer, or -1.
    void RightButton(int entry, int x, int y);
    void DoubleClick();
    void Character(char character);

    // Whether the registrations for a names listing are active.
    bool ExpectingListing() const { return nameHandler_ != 0; }

    // Told after an entry or the selection changed, so a view can redraw.
    std::function<void()> onChanged;

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;

private:
    void RegisterListing();
    void EndListing();
    bool Insert(std::string_view nick, char letter, char digit);
    const std::string* Stored(std::string_view nick) const;
    void AddListedName(std::string_view name);
    void ApplyModes(std::string_view flags, const std::vector<std::string>& params);
    void ApplyModeNumeric(const CIRCMessage& reply);
    void ChangeNick(std::string_view from, std::string_view to);
    void RemoveIfPresent(std::string_view nick);
    void NotifyChanged() {
        if (onChanged) onChanged();
    }

    const ConnectionState& state_;
    std::string channel_;
    NamesListEntries entries_;
    std::unordered_map<std::string, std::string> byNick_;  // folded nick -> stored text
    std::string selected_;                                  // folded nick; empty when none
    const CScheme* scheme_ = nullptr;
    NamesListActions* actions_ = nullptr;
    std::string doubleClickCommand_ = kDefaultDoubleClickCommand;
    uint32_t nameHandler_ = 0, endHandler_ = 0, replyHandler_ = 0;
};

}  // namespace parlevox
