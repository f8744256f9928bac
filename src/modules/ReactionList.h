#pragma once
// All reactions of the client, in order, whichever module owns them, and the
// hidden script event window that handles their hooks: each enabled reaction
// registers one hook with the network window, and when one fires the list
// runs that reaction and decides whether the event goes on and whether it is
// marked handled.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "irc/ColourCodes.h"
#include "irc/EventHandlerWindow.h"
#include "irc/SystemVariableSink.h"
#include "modules/Reaction.h"
#include "modules/ReactionRunner.h"
#include "script/Variable.h"

namespace parlevox {

class CScriptModule;

class CReactionList final : public EventHandlerWindow {
public:
    static constexpr const char* kWindowName = "ScriptEventWnd";

    // variables: where events publish their fields for the actions.
    CReactionList(EventLoop& loop, WindowHandle networkWindow, SystemVariableSink& variables, ReactionRunner& runner);

    // User colours 13 and 14 make the output prefix.
    void SetColours(const ColourCodes& colours) { colours_ = colours; }

    // Replaces the list with the stored texts. An empty or unreadable entry
    // is left out; then the lost-reactions message is returned for showing.
    std::optional<std::string> Load(const std::vector<std::string>& stored);
    // What to store, in order.
    std::vector<std::string> Texts() const;

    // Unregisters every hook and registers one per enabled reaction, in list
    // order. From then on every change of the list keeps the hooks current.
    void RegisterAll();

    const std::vector<CReaction>& Reactions() const { return reactions_; }
    void Add(CReaction reaction);
    // The Reactions window's update of an entry; false for a bad index.
    bool Replace(size_t index, CReaction reaction);
    bool Remove(size_t index);
    bool SetEnabled(size_t index, bool enabled);

    // A module being installed: its reactions are appended, owned by it.
    // Returns how many of its texts could not be read (they are left out).
    size_t Install(const CScriptModule& module);
    // Before the module is saved: its reactions become those of the list
    // that it owns, in list order.
    void Gather(CScriptModule& module) const;
    // After an uninstall has gathered them.
    void RemoveOwnedBy(int32_t owner);

    // The owner's name, nothing when no installed module has that id.
    using ModuleNameOf = std::function<std::optional<std::string>(int32_t)>;
    // "Yes\t" or "No\t", the owner's name or "<invalid>", then the other
    // fields separated by blanks.
    std::string DisplayLine(size_t index, const ModuleNameOf& moduleName) const;

    // "\x03" and the colours around "[Reaction] ".
    std::string OutputPrefix() const;

protected:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;

private:
    void Changed();
    void Unregister();
    void Run(const std::string& action, CIRCMessage& message);

    SystemVariableSink& variables_;
    ReactionRunner& runner_;
    ColourCodes colours_;
    std::vector<CReaction> reactions_;
    bool registered_ = false;
    // Hooks of the reactions now running. An action can lead to an event of
    // the same kind while it runs (a command line that makes the client
    // dispatch an event of its own); that event skips the reaction instead
    // of running it again inside itself without end.
    std::vector<uint32_t> running_;
};

}  // namespace parlevox
