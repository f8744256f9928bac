#include "commands/BuiltInCommands.h"

#include <string>
#include <unordered_set>

#include "commands/PlayCommand.h"
#include "commands/ScriptCommands.h"
#include "common/TextHelpers.h"

namespace parlevox {
namespace {

template <typename... Classes>
void Add(std::vector<std::unique_ptr<CCommand>>& table) {
    (table.push_back(std::make_unique<Classes>()), ...);
}

}  // namespace

void AddBuiltInCommands(std::vector<std::unique_ptr<CCommand>>& table) {
    Add<C_scMsgChan, C_scMsgNick, C_scNoticeChan, C_scNoticeNick, C_scRaw, C_scQuote, C_scCTCPChan, C_scCTCPNick,
        C_scCTCPReply, C_scJoin, C_scPart, C_scModeChan, C_scModeNick, C_scTopic, C_scQuit, C_scQuery, C_scEcho,
        C_scISON, C_scSilence, C_scWhois, C_scWhowas, C_scWho, C_scNames, C_scList, C_scTime, C_scVersion, C_scAdmin,
        C_scStats, C_scMOTD, C_scLusers, C_scLinks, C_scNick, C_scKick, C_scBan, C_scOp, C_scDeop, C_scOnotice,
        C_scAway, C_scPing, C_scTrace, C_scGlobOps, C_scLocOps, C_scConnect, C_scSquit, C_scKill, C_scKline, C_scOper,
        C_scRehash, C_scNs, C_scNickServ, C_scCs, C_scChanServ, C_scMs, C_scMemoServ, C_scIdentify, C_scChanInfo,
        C_scNickInfo, C_scNotify, C_scIgnore, C_scDCC, C_scDCCSend, C_scDCCView, C_scTelnet, C_scDNS, C_scPlay,
        C_scServer, C_scBrimConnect, C_scTile, C_scClear, C_scPlaySound, C_scRun, C_scSchemeEdit,
        C_scScriptReset>(table);
    Add<C_scWndTextNew, C_scWndTextWrite, C_scWndTextClose>(table);
    // Script timers and event hooks.
    Add<C_scOnTimer, C_scOffTimer, C_scOn, C_scOff>(table);

    // Script commands: strings, files, random numbers, friends, channels,
    // the prompt, output suppression, CTCP.
    Add<C_scStrLeft, C_scStrRight, C_scStrMid, C_scStrFind, C_scStrMatch, C_scStrUpper, C_scStrLower, C_scStrReplace,
        C_scStrSplit, C_scStrAscii, C_scStrCharacter, C_scRandom, C_scFileNew, C_scFileOpen, C_scFileClose,
        C_scFileReadLine, C_scFileWriteLine, C_scFileNumLines, C_scFileRename, C_scFileDelete, C_scFriendLevel,
        C_scFriend, C_scChanPeople, C_scChanHasOps, C_scChanHasVoice, C_scSuppressOutput, C_scGetString, C_scMe,
        C_scSound>(table);
}

bool IsBuiltInCommandName(std::string_view name) {
    static const std::unordered_set<std::string> names = [] {
        std::vector<std::unique_ptr<CCommand>> table;
        AddBuiltInCommands(table);
        std::unordered_set<std::string> lowered;
        for (const auto& command : table) lowered.insert(ToLower(command->Name()));
        return lowered;
    }();
    return names.contains(ToLower(name));
}

}  // namespace parlevox
