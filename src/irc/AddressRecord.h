#pragma once
// A user's address as IRC shows it, nick!user@host, and the masks the ignore
// list and the ban commands make from it.
#include <string>
#include <string_view>

namespace parlevox {

struct AddressRecord {
    std::string nick;
    std::string user;
    std::string host;

    // Splits at the first "!" and, after it, the first "@". A sender without
    // "!" (a server name) is all nick; "nick@host" without a user keeps the
    // host.
    static AddressRecord FromSender(std::string_view sender);

    std::string Text() const;             // nick!user@host
    std::string MaskAnyNick() const;      // *!user@host
    std::string MaskNickHost() const;     // nick!*@host
    std::string MaskGeneralised() const;  // nick!user@ + GeneraliseHost(host)

    bool operator==(const AddressRecord&) const = default;
};

// 10.0.0.7 -> 10.0.0.* ; a.b.example.com -> *.example.com ; example.com and
// hosts without a dot stay whole.
std::string GeneraliseHost(std::string_view host);

// The mask is split at its first "!" and its last "@" into nick, user and
// host patterns, each matched with WildcardMatch. A part the mask leaves out
// ("bob", "bob!*") matches anything.
bool MatchesMask(const AddressRecord& address, std::string_view mask);
bool MatchesMask(std::string_view address, std::string_view mask);

}  // namespace parlevox
