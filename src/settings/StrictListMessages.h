#pragma once
// The warnings of the strict lists: shown once when a load stops at an entry
// whose key value reads back empty. The texts are the client's own, double
// blanks included.
#include <string_view>

namespace parlevox {

struct StrictListMessage {
    std::string_view section;
    std::string_view text;
};

inline constexpr StrictListMessage kStrictListMessages[] = {
    {"Notify",
     "There was a problem loading notify settings from the registry - some of the nicks you had on notify "
     "appear to have been lost from the list."},
    {"Reactions",
     "There was a problem loading reactions settings from the registry - some of the reactions that were set "
     "up appear to have been lost."},
    {"SC Plug-ins",
     "There was a problem loading plug-in settings from the registry - some of the plug-ins that were  "
     "installed appear to have been lost."},
    {"DCC Plug-ins",
     "There was a problem loading plug-in settings from the registry - some of the plug-ins that were  "
     "installed appear to have been lost."},
    {"DCC Filetypes",
     "There was a problem loading filetype settings from the registry - some of the filetypes that were  in "
     "use appear to have been lost."},
    {"Scheme manager",
     "There was a problem loading scheme settings from the registry - some of the schemes that were  "
     "installed appear to have been lost."},
    {"Modules",
     "There was a problem loading installed module selections from the registry - it wasn't possible to load "
     "the amount specified by Count."},
};

// The message of a strict list's section (compared without case); empty
// for every other section.
std::string_view StrictListMessageFor(std::string_view section);

}  // namespace parlevox
