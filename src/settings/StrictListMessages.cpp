#include "settings/StrictListMessages.h"

#include "common/TextHelpers.h"

namespace parlevox {

std::string_view StrictListMessageFor(std::string_view section) {
    for (const StrictListMessage& message : kStrictListMessages)
        if (EqualsIgnoringCase(message.section, section)) return message.text;
    return {};
}

}  // namespace parlevox
