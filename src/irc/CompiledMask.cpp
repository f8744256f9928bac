#include "irc/CompiledMask.h"

#include <algorithm>

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
}

CompiledPattern::CompiledPattern(std::string_view pattern) {
    LowerInto(lowered_, pattern);
    size_t firstStar = lowered_.find('*');
    hasStar_ = firstStar != std::string::npos;
    startsWithStar_ = firstStar == 0;
    endsWithStar_ = !lowered_.empty() && lowered_.back() == '*';
    firstLength_ = hasStar_ ? firstStar : lowered_.size();
    lastStart_ = hasStar_ ? lowered_.rfind('*') + 1 : 0;
}

bool CompiledPattern::Matches(std::string_view text) const {
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
    bySuffix_.clear();
    byPrefix_.clear();
    byNick_.clear();
    byUser_.clear();
}

void MaskIndex::Add(const AddressRecord& patterns, uint32_t owner, uint32_t tag) {
    const auto index = static_cast<uint32_t>(items_.size());
    items_.push_back(Item {CompiledMask(patterns), owner, tag});
    const CompiledMask& mask = items_.back().mask;
    // A host the pattern fixes at its end (or wholly) shares its last two
    // dotted parts with every host it matches; likewise at its start.
    if (!mask.host.HasStar())
        bySuffix_[Hash(SuffixKey(mask.host.Lowered()))].push_back(index);
    else if (!mask.host.EndsWithStar() && DotCount(mask.host.LastPiece()) >= 2)
        bySuffix_[Hash(SuffixKey(mask.host.LastPiece()))].push_back(index);
    else if (!mask.host.StartsWithStar() && DotCount(mask.host.FirstPiece()) >= 2)
        byPrefix_[Hash(PrefixKey(mask.host.FirstPiece()))].push_back(index);
    else if (!mask.nick.HasStar())
        byNick_[Hash(mask.nick.Lowered())].push_back(index);
    else if (!mask.user.HasStar())
        byUser_[Hash(mask.user.Lowered())].push_back(index);
    else
        general_.push_back(index);
}

std::string_view MaskIndex::SuffixKey(std::string_view host) {
    size_t last = host.rfind('.');
    if (last == std::string_view::npos || last == 0) return host;
    size_t second = host.rfind('.', last - 1);
    return second == std::string_view::npos ? host : host.substr(second + 1);
}

std::string_view MaskIndex::PrefixKey(std::string_view host) {
    size_t first = host.find('.');
    if (first == std::string_view::npos) return host;
    size_t second = host.find('.', first + 1);
    return second == std::string_view::npos ? host : host.substr(0, second);
}

uint64_t MaskIndex::Hash(std::string_view key) {
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : key) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

const std::vector<uint32_t>* MaskIndex::Find(const Buckets& buckets, std::string_view key) {
    if (buckets.empty()) return nullptr;
    auto it = buckets.find(Hash(key));
    return it == buckets.end() ? nullptr : &it->second;
}

}  // namespace parlevox
