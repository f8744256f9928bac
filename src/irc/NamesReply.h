#pragma once
// A names reply (353) becomes one C_imChannelName event per name, so that
// the channel's names list fills itself through the ordinary dispatch.
#include <memory>
#include <string_view>
#include <vector>

#include "irc/IMChannelEvent.h"
#include "irc/IMServer.h"

namespace parlevox {

// The channel of a names reply: the parameter after the "=", "*" or "@"
// that tells the channel's kind; replies without that marker give the first
// parameter after the own nick that names a channel. Empty when none does.
std::string_view NamesReplyChannel(const C_imServerNumeric& reply);

// One event per name of the reply's text, in order, each keeping its "@" or
// "+" mark, with the reply's channel and sender. Runs of blanks give no
// names; a reply without a channel gives none at all.
std::vector<std::unique_ptr<C_imChannelName>> SplitNamesReply(const C_imServerNumeric& reply);

}  // namespace parlevox
