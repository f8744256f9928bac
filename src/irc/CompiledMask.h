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

// The address, lower-cased, in buffers that keep their storage between uses.
class LoweredAddress {
public:
    void Set(const AddressRecord& address);
    std::string nick, user, host;
};

// One pattern part (nick, user or host), only "*" special, first occurrence
// of each piece taken, no backtracking: linear in the text for any number of
// stars.
class CompiledPattern {
public:
    explicit CompiledPattern(std::string_view pattern = "*");
    // text must already be lower case.
    bool Matches(std::string_view text) const;
    const std::string& Lowered() const { return lowered_; }
    bool HasStar() const { return hasStar_; }
    bool StartsWithStar() const { return startsWithStar_; }
    bool EndsWithStar() const { return endsWithStar_; }
    std::string_view FirstPiece() const { return std::string_view(lowered_).substr(0, firstLength_); }
    std::string_view LastPiece() const { return std::string_view(lowered_).substr(lastStart_); }

private:
    std::string lowered_;
    bool hasStar_ = false;
    bool startsWithStar_ = false;
    bool endsWithStar_ = false;
    size_t firstLength_ = 0;  // the piece before the first "*"
    size_t lastStart_ = 0;    // the piece after the last "*"
};

struct CompiledMask {
    explicit CompiledMask(const AddressRecord& patterns);
    bool Matches(const LoweredAddress& address) const {
        return host.Matches(address.host) && user.Matches(address.user) && nick.Matches(address.nick);
    }
    CompiledPattern nick, user, host;
};

// Masks with an owner number (an entry of a list) and a tag. Each mask goes
// into one bucket: by the last two dotted parts of the host its pattern
// fixes, else by the first two, else by an exact nick or user, else the
// general bucket that every address visits.
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
        if (const auto* b = Find(bySuffix_, SuffixKey(address.host))) visit(*b);
        if (const auto* b = Find(byPrefix_, PrefixKey(address.host))) visit(*b);
        if (const auto* b = Find(byNick_, address.nick)) visit(*b);
        if (const auto* b = Find(byUser_, address.user)) visit(*b);
        return best;
    }

    // After the last two dots, or the whole host with fewer than two.
    static std::string_view SuffixKey(std::string_view host);
    // Before the second dot, or the whole host with fewer than two.
    static std::string_view PrefixKey(std::string_view host);

private:
    using Buckets = std::unordered_map<uint64_t, std::vector<uint32_t>>;
    static uint64_t Hash(std::string_view key);
    static const std::vector<uint32_t>* Find(const Buckets& buckets, std::string_view key);

    std::vector<Item> items_;
    std::vector<uint32_t> general_;
    Buckets bySuffix_, byPrefix_, byNick_, byUser_;
};

}  // namespace parlevox
