#include "irc/RecentAddresses.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace parlevox {
namespace {

std::vector<std::string> EntriesOf(const RecentAddresses& recent) {
    return {recent.Entries().begin(), recent.Entries().end()};
}

struct OfferCase {
    const char* description;
    friend void PrintTo(const OfferCase& c, std::ostream* os) { *os << c.description; }
    std::vector<std::string> offers;
    std::vector<std::string> expected;  // newest first
};

const OfferCase kOfferCases[] = {
    {"newest first", {"a!u@h", "b!u@h", "c!u@h"}, {"c!u@h", "b!u@h", "a!u@h"}},
    {"a repeat moves to the front", {"a!u@h", "b!u@h", "c!u@h", "a!u@h"}, {"a!u@h", "c!u@h", "b!u@h"}},
    {"repeating the newest changes nothing", {"a!u@h", "b!u@h", "b!u@h"}, {"b!u@h", "a!u@h"}},
    {"addresses compare exactly", {"a!u@h", "A!u@h"}, {"A!u@h", "a!u@h"}},
};

class OfferTest : public testing::TestWithParam<OfferCase> {};

TEST_P(OfferTest, Order) {
    RecentAddresses recent;
    for (const auto& address : GetParam().offers) recent.Offer(address);
    EXPECT_EQ(EntriesOf(recent), GetParam().expected);
    EXPECT_EQ(recent.Size(), GetParam().expected.size());
}

INSTANTIATE_TEST_SUITE_P(RecentAddresses, OfferTest, testing::ValuesIn(kOfferCases));

std::string Address(int i) {
    return "n" + std::to_string(i) + "!u@h";
}

TEST(RecentAddressesTest, KeepsTheNewest200) {
    RecentAddresses recent;
    for (int i = 0; i < 250; ++i) recent.Offer(Address(i));
    EXPECT_EQ(recent.Size(), RecentAddresses::kCapacity);
    EXPECT_EQ(recent.Entries().front(), Address(249));
    EXPECT_EQ(recent.Entries().back(), Address(50));
    EXPECT_FALSE(recent.Contains(Address(49)));
    EXPECT_TRUE(recent.Contains(Address(50)));

    // Moving the oldest to the front drops nothing.
    recent.Offer(Address(50));
    EXPECT_EQ(recent.Size(), RecentAddresses::kCapacity);
    EXPECT_EQ(recent.Entries().front(), Address(50));
    EXPECT_EQ(recent.Entries().back(), Address(51));

    // A dropped address comes back as new and pushes out the oldest.
    recent.Offer(Address(0));
    EXPECT_EQ(recent.Entries().front(), Address(0));
    EXPECT_FALSE(recent.Contains(Address(51)));
    EXPECT_EQ(recent.Size(), RecentAddresses::kCapacity);
}

TEST(RecentAddressesTest, ClearEmptiesTheIndexToo) {
    RecentAddresses recent;
    recent.Offer("a!u@h");
    recent.Clear();
    EXPECT_FALSE(recent.Contains("a!u@h"));
    recent.Offer("a!u@h");
    EXPECT_EQ(EntriesOf(recent), std::vector<std::string>{"a!u@h"});
}

}  // namespace
}  // namespace parlevox
