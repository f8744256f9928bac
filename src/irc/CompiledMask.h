#pragma once
// Address masks made ready for matching many of them against every message:
// patterns lower-cased once, the address lower-cased once per message into
// reused buffers, and an index that only hands out the masks an address can
// possibly match. Matching gives the same answers as MatchesMask.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "irc/AddressRecord.h"

namespace parlevox {

// Splits mask text as MatchesMask does: at the first "!" and the last "@"; a
// part the text leaves out is "*".
AddressRecord MaskPatternsOf(std::string_view mask);

// The set of bytes in a text, folded into 64 bits: a pattern whose own
// bytes are not all there cannot match, and that costs one test to see.
uint64_t CharBits(std::string_view text);

// The address, lower-cased, in buffers that keep their storage between uses,
// with what the mask index looks it up by.
class LoweredAddress {
public:
    void Set(const AddressRecord& address);
    std::string nick, user, host;
    uint64_t nickBits = 0, userBits = 0, hostBits = 0;
    // MaskIndex::Hash of the last three and two dotted parts of the host,
    // its first two, the nick and the user.
    uint64_t suffix3Key = 0, suffix2Key = 0, prefixKey = 0, nickKey = 0, userKey = 0;
};

// One pattern part (nick, user or host), only "*" special, first occurrence
// of each piece taken, no backtracking: linear in the text for any number of
// stars.
class CompiledPattern {
public:
    explicit CompiledPattern(std::string_view pattern = "*");
    // text must already be lower case; textBits its CharBits.
    bool Matches(std::string_view text, uint64_t textBits) const {
        return anything_ || ((required_ & ~textBits) == 0 && MatchesText(text));
    }
    bool Matches(std::string_view text) const { return Matches(text, CharBits(text)); }
    const std::string& Lowered() const { return lowered_; }
    bool HasStar() const { return hasStar_; }
    bool StartsWithStar() const { return startsWithStar_; }
    bool EndsWithStar() const { return endsWithStar_; }
    std::string_view FirstPiece() const { return std::string_view(lowered_).substr(0, firstLength_); }
    std::string_view LastPiece() const { return std::string_view(lowered_).substr(lastStart_); }

private:
    bool MatchesText(std::string_view text) const;

    std::string lowered_;
    uint64_t required_ = 0;  // CharBits of the pattern without its stars
    bool anything_ = false;  // only stars
    bool hasStar_ = false;
    bool startsWithStar_ = false;
    bool endsWithStar_ = false;
    size_t firstLength_ = 0;  // the piece before the first "*"
    size_t lastStart_ = 0;    // the piece after the last "*"
};

struct CompiledMask {
    explicit CompiledMask(const AddressRecord& patterns);
    bool Matches(const LoweredAddress& address) const {
        // The user and nick are mostly whole words or "*", refused or passed
        // at once; the host is the costly part.
        return user.Matches(address.user, address.userBits) && nick.Matches(address.nick, address.nickBits) &&
               host.Matches(address.host, address.hostBits);
    }
    CompiledPattern nick, user, host;
};

// Masks with an owner number (an entry of a list) and a tag. Each mask goes
// into one bucket: by the last three (or two) dotted parts of the host its
// pattern fixes, else by the first two, else by an exact nick or user, else
// the general bucket that every address visits.
class MaskIndex {
public:
    struct Item {
        CompiledMask mask;
        uint32_t owner;
        uint32_t tag;
    };

    void Clear();
    // Owners must be added in ascending order.
    void Add(const AddressRecord& patterns, uint32_t owner, uint32_t tag = 0);
    size_t Size() const { return items_.size(); }

    // The lowest owner with a mask that matches and that `accept(item)`
    // takes; -1 when none.
    template <typename Accept>
    int64_t FirstOwner(const LoweredAddress& address, Accept accept) const {
        int64_t best = -1;
        auto visit = [&](const std::vector<uint32_t>& bucket) {
            for (uint32_t i : bucket) {
                const Item& item = items_[i];
                if (best >= 0 && item.owner >= best) return;
                if (accept(item) && item.mask.Matches(address)) best = item.owner;
            }
        };
        visit(general_);
        if (const auto* b = Find(bySuffix3_, address.suffix3Key)) visit(*b);
        if (const auto* b = Find(bySuffix_, address.suffix2Key)) visit(*b);
        if (const auto* b = Find(byPrefix_, address.prefixKey)) visit(*b);
        if (const auto* b = Find(byNick_, address.nickKey)) visit(*b);
        if (const auto* b = Find(byUser_, address.userKey)) visit(*b);
        return best;
    }

    // After the last `parts` dots, or the whole host with fewer.
    static std::string_view SuffixKey(std::string_view host, int parts);
    // Before the second dot, or the whole host with fewer than two.
    static std::string_view PrefixKey(std::string_view host);

    static uint64_t Hash(std::string_view key);

private:
    using Buckets = std::unordered_map<uint64_t, std::vector<uint32_t>>;
    static const std::vector<uint32_t>* Find(const Buckets& buckets, uint64_t key);

    std::vector<Item> items_;
    std::vector<uint32_t> general_;
    Buckets bySuffix3_, bySuffix_, byPrefix_, byNick_, byUser_;
};

}  // namespace parlevox
