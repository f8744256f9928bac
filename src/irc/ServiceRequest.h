#pragma once
// A request to a network service ("NickServ", "ChanServ", ...), addressed as
// service@host so that it reaches the real service even on a network where
// the nick itself is not reserved.
#include <string>
#include <string_view>

namespace parlevox {

inline std::string ServiceRequest(std::string_view service, std::string_view servicesHost, std::string_view text) {
    std::string line = "PRIVMSG ";
    line += service;
    if (!servicesHost.empty()) {
        line += '@';
        line += servicesHost;
    }
    line += " :";
    line += text;
    return line;
}

}  // namespace parlevox
