#include "irc/ConnectionState.h"

#include <cctype>
#include <cstring>

#include "common/TextHelpers.h"

namespace parlevox {

bool IsServicesHost(const std::string& host) {
    size_t suffixLength = std::strlen(kServicesDomainSuffix);
    return host.size() >= suffixLength &&
           EqualsIgnoringCase(std::string_view(host).substr(host.size() - suffixLength), kServicesDomainSuffix);
}

double ServicesVersionFromServerVersion(const std::string& version) {
    if (!StartsWith(version, "dal")) return 0;
    size_t pos = 3;
    while (pos < version.size() && std::isspace(static_cast<unsigned char>(version[pos]))) ++pos;
    // Digits, then at most one "." with digits after it; hand-parsed so that
    // words such as "inf" or hex forms never count as numbers.
    double value = 0;
    bool anyDigit = false;
    while (pos < version.size() && std::isdigit(static_cast<unsigned char>(version[pos]))) {
        value = value * 10 + (version[pos++] - '0');
        anyDigit = true;
    }
    if (pos < version.size() && version[pos] == '.') {
        double scale = 0.1;
        for (++pos; pos < version.size() && std::isdigit(static_cast<unsigned char>(version[pos])); ++pos) {
            value += (version[pos] - '0') * scale;
            scale /= 10;
            anyDigit = true;
        }
    }
    return anyDigit ? value : 0;
}

}  // namespace parlevox
