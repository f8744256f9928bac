#pragma once
// What the built-in commands reach above the command layer: windows, dialogs,
// lists, DCC, sounds, the connect dialog and the script system. Each owner
// overrides what it has built; the defaults say "not here", and the command
// then writes its "not available" line and sends nothing.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "irc/AddressRecord.h"
#include "irc/FriendList.h"

namespace parlevox {

class CommandOutput;

class CommandHost {
public:
    static constexpr const char* kTextWindowsNotAvailable = "Text windows are not available here.";

    virtual ~CommandHost() = default;

    // Windows. The query window of the nick, opened when there is none;
    // nullptr when windows cannot be opened.
    virtual CommandOutput* OpenQuery(const std::string& /*nick*/) { return nullptr; }
    // The open channel window of that name (any case), or nullptr.
    virtual CommandOutput* ChannelWindow(const std::string& /*channel*/) { return nullptr; }
    virtual bool OpenLinksWindow() { return false; }
    // "h", "v" or "c".
    virtual bool Tile(std::string_view /*how*/) { return false; }

    // Dialogs.
    virtual bool OpenChannelInfo(const std::string& /*channel*/) { return false; }
    virtual bool OpenNickInfo(const std::string& /*nick*/) { return false; }
    // Asks for a file and runs "/dcc SEND nick file".
    virtual bool ChooseFileToSend(const std::string& /*nick*/) { return false; }

    // Lists.
    virtual bool IsonOutstanding() const { return false; }
    // Adds the nick to the notify list or removes it, saying which in `output`.
    virtual bool ChangeNotify(const std::string& /*nick*/, bool /*remove*/, CommandOutput& /*output*/) {
        return false;
    }
    // Adds an ignore entry with exactly this mask (already checked).
    virtual bool AddIgnore(const AddressRecord& /*mask*/, const std::string& /*reason*/) { return false; }

    // DCC: "/dcc SEND|CHAT nick rest" and "/DCCView file".
    virtual bool StartDcc(const std::string& /*kind*/, const std::string& /*nick*/, const std::string& /*rest*/,
                          CommandOutput& /*output*/) {
        return false;
    }
    virtual bool ViewFile(const std::string& /*file*/, CommandOutput& /*output*/) { return false; }

    // The rest.
    virtual bool ConnectTo(const std::string& /*server*/, const std::string& /*rest*/) { return false; }
    virtual bool OpenClientLink(const std::string& /*nick*/) { return false; }
    virtual bool PlayLocalSound(const std::string& /*file*/) { return false; }
    virtual bool RunProgram(const std::string& /*program*/, const std::string& /*arguments*/,
                            CommandOutput& /*output*/) {
        return false;
    }
    virtual bool EditScheme(const std::string& /*window*/) { return false; }
    virtual bool ResetScripts() { return false; }

    // Script text windows. Opening gives the reason when it cannot; writing
    // and closing are false when there is no window of that name.
    virtual bool OpenTextWindow(std::span<const std::string> /*words*/, std::string& problem) {
        problem = kTextWindowsNotAvailable;
        return false;
    }
    virtual bool WriteTextWindow(const std::string& /*name*/, const std::string& /*text*/) { return false; }
    virtual bool CloseTextWindow(const std::string& /*name*/) { return false; }
    // --- Script timers and event hooks (OnTimer, OffTimer, On, Off): the
    // session's script event window. False, or nothing for AddScriptHook,
    // when there is none.
    // A refused timer is explained in `output` and still counts as served.
    virtual bool StartScriptTimer(int32_t /*seconds*/, const std::string& /*function*/, CommandOutput& /*output*/) {
        return false;
    }
    virtual bool StopScriptTimers(const std::string& /*function*/) { return false; }
    // On's result: 1 registered, 0 refused.
    virtual std::optional<int32_t> AddScriptHook(const std::string& /*event*/, const std::string& /*filterSpec*/,
                                                 int32_t /*priority*/, const std::string& /*function*/) {
        return std::nullopt;
    }
    virtual bool RemoveScriptHooks(const std::string& /*function*/) { return false; }
    // --- end of script timers and event hooks.

    // Script commands (ChanPeople, ChanHasOps, ChanHasVoice, GetString,
    // SuppressOutput, FriendLevel, Friend). Each returns whether it was
    // served; a channel without an open window is served as empty.
    // The nicks of the channel's names list, in its order.
    virtual bool ChannelPeople(const std::string& /*channel*/, std::vector<std::string>& /*nicks*/) { return false; }
    // Both false when the nick is not in the channel's names list.
    virtual bool ChannelStatus(const std::string& /*channel*/, const std::string& /*nick*/, bool& /*op*/,
                               bool& /*voice*/) {
        return false;
    }
    // A text prompt; the answer is empty when the person cancels.
    virtual bool PromptText(const std::string& /*prompt*/, const std::string& /*title*/, std::string& /*answer*/) {
        return false;
    }
    // Raises (true) or lowers the client-wide output suppression.
    virtual bool SuppressOutput(bool /*raise*/) { return false; }
    // The friend list as the preferences keep it; adding one saves it.
    virtual bool Friends(std::vector<FriendRecord>& /*friends*/) { return false; }
    virtual bool AddFriend(const FriendRecord& /*entry*/) { return false; }
};

}  // namespace parlevox
