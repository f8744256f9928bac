#include "irc/AddressRecord.h"

#include <ostream>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

struct SenderCase {
    const char* description;
    friend void PrintTo(const SenderCase& c, std::ostream* os) { *os << c.description; }
    const char* sender;
    AddressRecord expected;
};

const SenderCase kSenderCases[] = {
    {"full address", "nick!~user@host.example.com", {"nick", "~user", "host.example.com"}},
    {"server name", "irc.example.net", {"irc.example.net", "", ""}},
    {"no host", "nick!user", {"nick", "user", ""}},
    {"no user", "nick@host", {"nick", "", "host"}},
    {"second @ belongs to the host", "a!b@c@d", {"a", "b", "c@d"}},
    {"second ! belongs to the user", "a!b!c@d", {"a", "b!c", "d"}},
    {"empty", "", {"", "", ""}},
    {"separators only", "!@", {"", "", ""}},
};

class SenderTest : public testing::TestWithParam<SenderCase> {};

TEST_P(SenderTest, FromSender) {
    EXPECT_EQ(AddressRecord::FromSender(GetParam().sender), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(AddressRecord, SenderTest, testing::ValuesIn(kSenderCases));

TEST(AddressRecordTest, TextAndMasks) {
    AddressRecord record{"bob", "~bob", "a.b.example.com"};
    EXPECT_EQ(record.Text(), "bob!~bob@a.b.example.com");
    EXPECT_EQ(record.MaskAnyNick(), "*!~bob@a.b.example.com");
    EXPECT_EQ(record.MaskNickHost(), "bob!*@a.b.example.com");
    EXPECT_EQ(record.MaskGeneralised(), "bob!~bob@*.example.com");
    EXPECT_EQ(AddressRecord::FromSender(record.Text()), record);
}

struct HostCase {
    const char* host;
    const char* expected;
};

const HostCase kHostCases[] = {
    {"10.0.0.7", "10.0.0.*"},
    {"192.168.*.*", "192.168.*.*"},
    {"a.b.example.com", "*.example.com"},
    {"b.example.com", "*.example.com"},
    {"1.2.3.example.com", "*.example.com"},
    {"example.com", "example.com"},
    {"localhost", "localhost"},
    {"12345", "12345"},
    {"*.*", "*.*"},
    {".com", ".com"},
    {"2001:db8::1", "2001:db8::1"},
    {"", ""},
};

void PrintTo(const HostCase& c, std::ostream* os) {
    *os << c.host;
}

class HostTest : public testing::TestWithParam<HostCase> {};

TEST_P(HostTest, GeneraliseHost) {
    EXPECT_EQ(GeneraliseHost(GetParam().host), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(AddressRecord, HostTest, testing::ValuesIn(kHostCases));

struct MatchCase {
    const char* description;
    friend void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.description; }
    const char* address;
    const char* mask;
    bool matches;
};

const MatchCase kMatchCases[] = {
    {"exact", "bob!u@h", "bob!u@h", true},
    {"case is ignored", "Bob!U@Host.Example.COM", "bob!u@host.example.com", true},
    {"star everywhere", "bob!u@h", "*!*@*", true},
    {"generalised host", "bob!~bob@a.b.example.com", "bob!~bob@*.example.com", true},
    {"other host", "bob!u@h.example.org", "bob!*@*.example.com", false},
    {"other nick", "alice!u@h", "bob!*@*", false},
    {"*a does not match aba", "aba!u@h", "*a!*@*", false},
    {"*a* matches aba", "aba!u@h", "*a*!*@*", true},
    {"mask split at its last @", "n!u@h", "n!*@*@h", false},
    {"a second @ of the address stays in its host", "n!u@x@h", "n!*@h", false},
    {"a bare nick matches every address", "bob!u@h", "bob", true},
    {"nick and user only", "bob!u@h", "bob!u", true},
    {"user pattern must match", "bob!u@h", "bob!v", false},
    {"host only", "bob!u@h", "*@h", true},
    {"server sender", "irc.example.net", "*.example.net!*@*", true},
    {"an empty pattern needs an empty part", "bob!u@h", "bob!@h", false},
};

class MatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchTest, MatchesMask) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(MatchesMask(c.address, c.mask), c.matches);
    EXPECT_EQ(MatchesMask(AddressRecord::FromSender(c.address), c.mask), c.matches);
}

INSTANTIATE_TEST_SUITE_P(AddressRecord, MatchTest, testing::ValuesIn(kMatchCases));

}  // namespace
}  // namespace parlevox
