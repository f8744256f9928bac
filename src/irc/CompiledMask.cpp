#include "irc/CompiledMask.h"

#include <algorithm>
#include <cstring>

#include "common/TextHelpers.h"

namespace parlevox {
namespace {

void LowerInto(std::string& out, std::string_view text) {
    out.assign(text);
    for (char& c : out) c = AsciiLower(c);
}

size_t DotCount(std::string_view text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '.'));
}

}  // namespace

uint64_t CharBits(std::string_view text) {
    uint64_t bits = 0;
    for (unsigned char c : text) bits |= uint64_t {1} << (c & 63);
    return bits;
}

AddressRecord MaskPatternsOf(std::string_view mask) {
    AddressRecord patterns {"*", "*", "*"};
    size_t bang = mask.find('!');
    size_t at = mask.rfind('@');
    if (at != std::string_view::npos && bang != std::string_view::npos && at < bang) at = std::string_view::npos;
    patterns.nick = mask.substr(0, bang != std::string_view::npos ? bang : at);
    if (bang != std::string_view::npos) {
        size_t userEnd = at != std::string_view::npos ? at : mask.size();
        patterns.user = mask.substr(bang + 1, userEnd - bang - 1);
    }
    if (at != std::string_view::npos) patterns.host = mask.substr(at + 1);
    return patterns;
}

void LoweredAddress::Set(const AddressRecord& address) {
    LowerInto(nick, address.nick);
    LowerInto(user, address.user);
    LowerInto(host, address.host);
    nickBits = CharBits(nick);
    userBits = CharBits(user);
    hostBits = CharBits(host);
    suffix3Key = MaskIndex::Hash(MaskIndex::SuffixKey(host, 3));
    suffix2Key = MaskIndex::Hash(MaskIndex::SuffixKey(host, 2));
    prefixKey = MaskIndex::Hash(MaskIndex::PrefixKey(host));
    nickKey = MaskIndex::Hash(nick);
    userKey = MaskIndex::Hash(user);
}

CompiledPattern::CompiledPattern(std::string_view pattern) {
    LowerInto(lowered_, pattern);
    size_t firstStar = lowered_.find('*');
    hasStar_ = firstStar != std::string::npos;
    startsWithStar_ = firstStar == 0;
    endsWithStar_ = !lowered_.empty() && lowered_.back() == '*';
    firstLength_ = hasStar_ ? firstStar : lowered_.size();
    lastStart_ = hasStar_ ? lowered_.rfind('*') + 1 : 0;
    for (char c : lowered_)
        if (c != '*') required_ |= uint64_t {1} << (static_cast<unsigned char>(c) & 63);
    anything_ = hasStar_ && lowered_.find_first_not_of('*') == std::string::npos;
}

bool CompiledPattern::MatchesText(std::string_view text) const {
    if (!hasStar_) return text == lowered_;
    // Cheap refusals first: the anchored ends.
    if (!text.starts_with(FirstPiece())) return false;
    if (!endsWithStar_ && !text.ends_with(LastPiece())) return false;
    const std::string_view pattern = lowered_;
    size_t textPos = firstLength_;
    size_t patternPos = firstLength_ + 1;
    while (true) {
        size_t star = pattern.find('*', patternPos);
        bool last = star == std::string_view::npos;
        std::string_view piece = pattern.substr(patternPos, last ? std::string_view::npos : star - patternPos);
        if (!piece.empty()) {
            size_t found = text.find(piece, textPos);
            if (found == std::string_view::npos) return false;
            textPos = found + piece.size();
        }
        if (last) break;
        patternPos = star + 1;
    }
    return endsWithStar_ || textPos == text.size();
}

CompiledMask::CompiledMask(const AddressRecord& patterns)
    : nick(patterns.nick), user(patterns.user), host(patterns.host) {}

void MaskIndex::Clear() {
    items_.clear();
    general_.clear();
    bySuffix3_.clear();
    bySuffix_.clear();
    byPrefix_.clear();
    byNick_.clear();
    byUser_.clear();
}

void MaskIndex::Add(const AddressRecord& patterns, uint32_t owner, uint32_t tag) {
    const auto index = static_cast<uint32_t>(items_.size());
    items_.push_back(Item {CompiledMask(patterns), owner, tag});
    const CompiledMask& mask = items_.back().mask;
    // A host the pattern fixes at its end (or wholly) shares its last dotted
    // parts with every host it matches; likewise at its start.
    const bool whole = !mask.host.HasStar();
    std::string_view fixedEnd = whole ? std::string_view(mask.host.Lowered()) : std::string_view();
    if (!whole && !mask.host.EndsWithStar()) fixedEnd = mask.host.LastPiece();
    if (!fixedEnd.empty() && DotCount(fixedEnd) >= 3)
        bySuffix3_[Hash(SuffixKey(fixedEnd, 3))].push_back(index);
    else if (whole || DotCount(fixedEnd) >= 2)
        bySuffix_[Hash(SuffixKey(fixedEnd, 2))].push_back(index);
    else if (!mask.host.StartsWithStar() && DotCount(mask.host.FirstPiece()) >= 2)
        byPrefix_[Hash(PrefixKey(mask.host.FirstPiece()))].push_back(index);
    else if (!mask.nick.HasStar())
        byNick_[Hash(mask.nick.Lowered())].push_back(index);
    else if (!mask.user.HasStar())
        byUser_[Hash(mask.user.Lowered())].push_back(index);
    else
        general_.push_back(index);
}

std::string_view MaskIndex::SuffixKey(std::string_view host, int parts) {
    size_t dot = host.size();
    for (int i = 0; i < parts; ++i) {
        if (dot == 0) return host;
        dot = host.rfind('.', dot - 1);
        if (dot == std::string_view::npos) return host;
    }
    return host.substr(dot + 1);
}

std::string_view MaskIndex::PrefixKey(std::string_view host) {
    size_t first = host.find('.');
    if (first == std::string_view::npos) return host;
    size_t second = host.find('.', first + 1);
    return second == std::string_view::npos ? host : host.substr(0, second);
}

uint64_t MaskIndex::Hash(std::string_view key) {
    // Eight bytes a step; a collision only costs a wasted candidate.
    uint64_t hash = 0x9E3779B97F4A7C15ull ^ key.size();
    size_t i = 0;
    for (; i + 8 <= key.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, key.data() + i, 8);
        hash = (hash ^ word) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 29;
    }
    uint64_t tail = 0;
    if (i < key.size()) std::memcpy(&tail, key.data() + i, key.size() - i);
    hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53ull;
    return hash ^ (hash >> 32);
}

const std::vector<uint32_t>* MaskIndex::Find(const Buckets& buckets, uint64_t key) {
    if (buckets.empty()) return nullptr;
    auto it = buckets.find(key);
    return it == buckets.end() ? nullptr : &it->second;
}

}  // namespace parlevox
