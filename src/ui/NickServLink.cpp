#include "ui/NickServLink.h"

#include "common/ControlBytes.h"
#include "common/TextHelpers.h"
#include "irc/AddressRecord.h"
#include "irc/EventTypes.h"
#include "irc/ServiceRequest.h"
#include "settings/OptionsRecord.h"

namespace parlevox::nickserv {

std::string Request(const OptionsRecord& options, std::string_view command) {
    return ServiceRequest("NickServ", options.misc.servicesHost, command);
}

HandlerRecord AnswerRecord(const OptionsRecord& options) {
    HandlerRecord record;
    record.eventType = kPrivateNotice;
    record.filters = filter::kMask;
    record.mask = AddressRecord::FromSender(options.misc.nickServMask);
    record.priority = kPriority;
    return record;
}

std::string PlainText(std::string_view text) {
    return StripControlCodes(text);
}

int SlotOf(const OptionsRecord& options, std::string_view nick) {
    for (size_t i = 0; i < options.nicknames.size(); ++i)
        if (!nick.empty() && EqualsIgnoringCase(options.nicknames[i].name, nick)) return static_cast<int>(i);
    return -1;
}

}  // namespace parlevox::nickserv
