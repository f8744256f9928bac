#pragma once
// The built-in command classes. Each is one small class over CCommand; the
// family files hold their run operations. AddBuiltInCommands builds the
// table in its fixed order: classes of one name are tried in that order.
#include <memory>
#include <string_view>
#include <vector>

#include "commands/Command.h"

namespace parlevox {

#define PARLEVOX_BUILT_IN_COMMAND(Class)                                                              \
    class Class final : public CCommand {                                                             \
    public:                                                                                           \
        Class();                                                                                      \
                                                                                                      \
    protected:                                                                                        \
        bool Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) override; \
    }

// Messages and CTCP (MessageCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scMsgChan);
PARLEVOX_BUILT_IN_COMMAND(C_scMsgNick);
PARLEVOX_BUILT_IN_COMMAND(C_scNoticeChan);
PARLEVOX_BUILT_IN_COMMAND(C_scNoticeNick);
PARLEVOX_BUILT_IN_COMMAND(C_scRaw);
PARLEVOX_BUILT_IN_COMMAND(C_scQuote);
PARLEVOX_BUILT_IN_COMMAND(C_scCTCPChan);
PARLEVOX_BUILT_IN_COMMAND(C_scCTCPNick);
PARLEVOX_BUILT_IN_COMMAND(C_scCTCPReply);
PARLEVOX_BUILT_IN_COMMAND(C_scQuery);
PARLEVOX_BUILT_IN_COMMAND(C_scEcho);
PARLEVOX_BUILT_IN_COMMAND(C_scOnotice);
PARLEVOX_BUILT_IN_COMMAND(C_scPing);

// Channels (ChannelCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scJoin);
PARLEVOX_BUILT_IN_COMMAND(C_scPart);
PARLEVOX_BUILT_IN_COMMAND(C_scModeChan);
PARLEVOX_BUILT_IN_COMMAND(C_scModeNick);
PARLEVOX_BUILT_IN_COMMAND(C_scTopic);
PARLEVOX_BUILT_IN_COMMAND(C_scNames);
PARLEVOX_BUILT_IN_COMMAND(C_scKick);
PARLEVOX_BUILT_IN_COMMAND(C_scBan);
PARLEVOX_BUILT_IN_COMMAND(C_scOp);
PARLEVOX_BUILT_IN_COMMAND(C_scDeop);

// Server queries and operator commands (ServerCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scQuit);
PARLEVOX_BUILT_IN_COMMAND(C_scISON);
PARLEVOX_BUILT_IN_COMMAND(C_scSilence);
PARLEVOX_BUILT_IN_COMMAND(C_scWhois);
PARLEVOX_BUILT_IN_COMMAND(C_scWhowas);
PARLEVOX_BUILT_IN_COMMAND(C_scWho);
PARLEVOX_BUILT_IN_COMMAND(C_scList);
PARLEVOX_BUILT_IN_COMMAND(C_scTime);
PARLEVOX_BUILT_IN_COMMAND(C_scVersion);
PARLEVOX_BUILT_IN_COMMAND(C_scAdmin);
PARLEVOX_BUILT_IN_COMMAND(C_scStats);
PARLEVOX_BUILT_IN_COMMAND(C_scMOTD);
PARLEVOX_BUILT_IN_COMMAND(C_scLusers);
PARLEVOX_BUILT_IN_COMMAND(C_scLinks);
PARLEVOX_BUILT_IN_COMMAND(C_scNick);
PARLEVOX_BUILT_IN_COMMAND(C_scAway);
PARLEVOX_BUILT_IN_COMMAND(C_scTrace);
PARLEVOX_BUILT_IN_COMMAND(C_scGlobOps);
PARLEVOX_BUILT_IN_COMMAND(C_scLocOps);
PARLEVOX_BUILT_IN_COMMAND(C_scConnect);
PARLEVOX_BUILT_IN_COMMAND(C_scSquit);
PARLEVOX_BUILT_IN_COMMAND(C_scKill);
PARLEVOX_BUILT_IN_COMMAND(C_scKline);
PARLEVOX_BUILT_IN_COMMAND(C_scOper);
PARLEVOX_BUILT_IN_COMMAND(C_scRehash);

// Network services (ServiceCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scNs);
PARLEVOX_BUILT_IN_COMMAND(C_scNickServ);
PARLEVOX_BUILT_IN_COMMAND(C_scCs);
PARLEVOX_BUILT_IN_COMMAND(C_scChanServ);
PARLEVOX_BUILT_IN_COMMAND(C_scMs);
PARLEVOX_BUILT_IN_COMMAND(C_scMemoServ);
PARLEVOX_BUILT_IN_COMMAND(C_scIdentify);
PARLEVOX_BUILT_IN_COMMAND(C_scChanInfo);
PARLEVOX_BUILT_IN_COMMAND(C_scNickInfo);

// Lists, DCC, windows and the owners above (LocalCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scNotify);
PARLEVOX_BUILT_IN_COMMAND(C_scIgnore);
PARLEVOX_BUILT_IN_COMMAND(C_scDCC);
PARLEVOX_BUILT_IN_COMMAND(C_scDCCSend);
PARLEVOX_BUILT_IN_COMMAND(C_scDCCView);
PARLEVOX_BUILT_IN_COMMAND(C_scServer);
PARLEVOX_BUILT_IN_COMMAND(C_scBrimConnect);
PARLEVOX_BUILT_IN_COMMAND(C_scTile);
PARLEVOX_BUILT_IN_COMMAND(C_scClear);
PARLEVOX_BUILT_IN_COMMAND(C_scPlaySound);
PARLEVOX_BUILT_IN_COMMAND(C_scRun);
PARLEVOX_BUILT_IN_COMMAND(C_scSchemeEdit);
PARLEVOX_BUILT_IN_COMMAND(C_scScriptReset);

// A command whose owner above may be missing: the "not available" line when
// it was not served; the line was taken either way.
inline bool Done(bool served, const CCommand& command, const CommandCall& call, CommandEnvironment& env) {
    if (!served) env.NotAvailable(call.output, command.Name());
    return true;
}

// Script text windows (TextWindowCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scWndTextNew);
PARLEVOX_BUILT_IN_COMMAND(C_scWndTextWrite);
PARLEVOX_BUILT_IN_COMMAND(C_scWndTextClose);

// Name lookups (LookupCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scTelnet);
PARLEVOX_BUILT_IN_COMMAND(C_scDNS);

// Script timers and event hooks (ScriptEventCommands.cpp).
PARLEVOX_BUILT_IN_COMMAND(C_scOnTimer);
PARLEVOX_BUILT_IN_COMMAND(C_scOffTimer);
PARLEVOX_BUILT_IN_COMMAND(C_scOn);
PARLEVOX_BUILT_IN_COMMAND(C_scOff);

#undef PARLEVOX_BUILT_IN_COMMAND

// C_scPlay (PlayCommand.h) keeps the one file that is playing.

void AddBuiltInCommands(std::vector<std::unique_ptr<CCommand>>& table);
// A class of the table has this name (any case): compiling a script takes
// it for a function name before the command processor exists.
bool IsBuiltInCommandName(std::string_view name);

}  // namespace parlevox
