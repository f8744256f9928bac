// The compiled masks and their index answer exactly as MatchesMask does,
// whichever bucket a mask lands in, and stay linear for many stars.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Masks.h"
#include "irc/CompiledMask.h"

namespace parlevox {
namespace {

const std::vector<std::string> kMasks = {
    "*!*@*.example.com", "*!alice@*.Example.COM", "bob!*@*", "*!*@10.0.0.*", "*!*@host.example.com",
    "*!*@localhost", "*!*@*", "*a!*@*", "*!*@*.com", "x*y!*@*", "*!~u*@a.b.*", "Bob", "bob!b", "a@b!c",
    "*!*@", "!@", "*!*@*.Example.com.*", "*!*@1.2.*.4", "*!u@x.y.z", "n!u@h@i", "*!*@*.a.example.com",
    "*!*@x.y.z.w", "*!*@*y.z.w", "*!*@*.z.w",
};

const std::vector<std::string> kAddresses = {
    "bob!alice@a.example.com", "Bob!Alice@B.EXAMPLE.COM", "xay!u@10.0.0.7", "carol!~u1@a.b.c.d", "aba!x@localhost",
    "n!u@h@i", "nick", "nick!@", "!@", "q!w@host.example.com", "q!w@example.com", "z!u@x.y.z", "z!u@1.2.3.4",
    "x!y@.example.com", "a!b@example.com.evil.org", "q!w@b.a.example.com", "q!w@xa.example.com", "z!u@x.y.z.w",
    "z!u@xy.z.w",
};

TEST(CompiledMaskTest, IndexAgreesWithMatchesMaskForEveryPair) {
    for (const std::string& mask : kMasks) {
        MaskIndex index;
        index.Add(MaskPatternsOf(mask), 7);
        for (const std::string& text : kAddresses) {
            AddressRecord address = AddressRecord::FromSender(text);
            LoweredAddress lowered;
            lowered.Set(address);
            bool expected = MatchesMask(address, mask);
            EXPECT_EQ(index.FirstOwner(lowered, [](const MaskIndex::Item&) { return true; }) == 7, expected)
                << text << " against " << mask;
        }
    }
}

TEST(CompiledMaskTest, FirstOwnerIsTheLowestAcrossBuckets) {
    MaskIndex index;
    index.Add(MaskPatternsOf("*!*@*.example.com"), 0, 1);  // refused below
    index.Add(MaskPatternsOf("*!*@*"), 1);
    index.Add(MaskPatternsOf("bob!*@*"), 2);
    index.Add(MaskPatternsOf("*!*@*.example.com"), 3);
    LoweredAddress bob;
    bob.Set(AddressRecord {"Bob", "u", "h.example.com"});
    EXPECT_EQ(index.FirstOwner(bob, [](const MaskIndex::Item& item) { return item.tag == 0; }), 1);
    EXPECT_EQ(index.FirstOwner(bob, [](const MaskIndex::Item& item) { return item.owner != 1; }), 0);
}

TEST(CompiledMaskTest, FiveHundredStarsMatchWithoutBacktracking) {
    std::string pattern, pairs;
    for (int i = 0; i < 500; ++i) pattern += "*a", pairs += "xa";
    const std::string shortOfOne = std::string(20000, 'x') + std::string(499, 'a');
    const struct {
        std::string text;
        bool matches;
    } cases[] = {{pairs, true}, {pairs + "b", false}, {shortOfOne, false}, {shortOfOne + "a", true}};
    CompiledPattern compiled(pattern);
    for (const auto& c : cases) {
        EXPECT_EQ(compiled.Matches(c.text), c.matches) << c.text.size();
        EXPECT_EQ(WildcardMatch(c.text, pattern), c.matches) << c.text.size();
    }
}

}  // namespace
}  // namespace parlevox
