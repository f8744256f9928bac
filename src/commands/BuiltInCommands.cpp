#include "commands/BuiltInCommands.h"

#include "commands/PlayCommand.h"

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
}

}  // namespace parlevox
