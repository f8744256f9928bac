#include "irc/AddressRecord.h"

#include "common/Masks.h"

namespace parlevox {
namespace {

bool IsNumericHost(std::string_view host) {
    bool digit = false;
    for (char c : host) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '.' && c != '*')
            return false;
    }
    return digit;
}

struct MaskPatterns {
    std::string_view nick = "*", user = "*", host = "*";
};

MaskPatterns SplitMask(std::string_view mask) {
    MaskPatterns patterns;
    size_t bang = mask.find('!');
    size_t at = mask.rfind('@');
    if (at != std::string_view::npos && bang != std::string_view::npos && at < bang) at = std::string_view::npos;
    size_t nickEnd = bang != std::string_view::npos ? bang : at;
    patterns.nick = mask.substr(0, nickEnd);
    if (bang != std::string_view::npos) {
        size_t userEnd = at != std::string_view::npos ? at : mask.size();
        patterns.user = mask.substr(bang + 1, userEnd - bang - 1);
    }
    if (at != std::string_view::npos) patterns.host = mask.substr(at + 1);
    return patterns;
}

}  // namespace

AddressRecord AddressRecord::FromSender(std::string_view sender) {
    AddressRecord record;
    size_t bang = sender.find('!');
    if (bang == std::string_view::npos) {
        size_t at = sender.find('@');
        record.nick = sender.substr(0, at);
        if (at != std::string_view::npos) record.host = sender.substr(at + 1);
        return record;
    }
    record.nick = sender.substr(0, bang);
    std::string_view rest = sender.substr(bang + 1);
    size_t at = rest.find('@');
    record.user = rest.substr(0, at);
    if (at != std::string_view::npos) record.host = rest.substr(at + 1);
    return record;
}

std::string AddressRecord::Text() const {
    return nick + "!" + user + "@" + host;
}

std::string AddressRecord::MaskAnyNick() const {
    return "*!" + user + "@" + host;
}

std::string AddressRecord::MaskNickHost() const {
    return nick + "!*@" + host;
}

std::string AddressRecord::MaskGeneralised() const {
    return nick + "!" + user + "@" + GeneraliseHost(host);
}

std::string GeneraliseHost(std::string_view host) {
    size_t lastDot = host.rfind('.');
    if (lastDot == std::string_view::npos) return std::string(host);
    if (IsNumericHost(host)) return std::string(host.substr(0, lastDot)) + ".*";
    size_t secondDot = host.rfind('.', lastDot == 0 ? std::string_view::npos : lastDot - 1);
    if (lastDot == 0 || secondDot == std::string_view::npos) return std::string(host);
    return "*." + std::string(host.substr(secondDot + 1));
}

bool MatchesMask(const AddressRecord& address, std::string_view mask) {
    MaskPatterns patterns = SplitMask(mask);
    return WildcardMatch(address.nick, patterns.nick) && WildcardMatch(address.user, patterns.user) &&
           WildcardMatch(address.host, patterns.host);
}

bool MatchesMask(std::string_view address, std::string_view mask) {
    return MatchesMask(AddressRecord::FromSender(address), mask);
}

}  // namespace parlevox
