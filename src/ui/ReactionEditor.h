#pragma once
// The Reactions tab without a toolkit: the client's reactions as rows,
// adding, updating, removing and switching them on and off, and making a
// new reaction function from its template in the chosen owner module.
// The owner modules of a changed reaction are marked, so that the reactions
// they carry are saved with them.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "modules/Reaction.h"

namespace parlevox {

class CModuleManager;
class CReactionList;
class CScriptFunction;
class UserInterface;

struct ReactionRow {
    bool active;
    std::string owner;      // module name, or "<invalid>"
    std::string action;
    std::string eventType;  // the event type's name, or its selector in hex
    std::string sender;     // the filters, empty when switched off
    std::string channel;
    std::string type;
    std::string numeric;
};

class CReactionEditor {
public:
    CReactionEditor(CReactionList& reactions, CModuleManager& modules, UserInterface& ui);

    std::vector<ReactionRow> Rows() const;
    // The list's own display line of each reaction.
    std::vector<std::string> Lines() const;
    const CReaction* At(size_t index) const;

    // What the editor starts a new reaction from.
    static CReaction Blank(int32_t owner);
    // Both need an action and an installed owner; without them the
    // "Function and module required" box is shown.
    bool Add(const CReaction& reaction);
    bool Update(size_t index, const CReaction& reaction);
    // After a confirmation.
    bool Remove(size_t index);
    bool SetActive(size_t index, bool active);

    // A function named name in the owner module, from the reaction
    // template. The name must not be an IRC command or taken there.
    CScriptFunction* NewReactionFunction(const std::string& name, int32_t owner);

    // The event type's name for a selector ("ChannelMessage"); the hex
    // selector when it names none.
    static std::string EventTypeName(uint32_t selector);

private:
    bool Complete(const CReaction& reaction);
    void MarkOwner(int32_t owner);

    CReactionList& reactions_;
    CModuleManager& modules_;
    UserInterface& ui_;
};

}  // namespace parlevox
