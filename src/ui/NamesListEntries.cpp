#include "ui/NamesListEntries.h"

#include <algorithm>
#include <iterator>

#include "common/TextHelpers.h"

namespace parlevox {

bool NamesListEntries::Less(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

size_t NamesListEntries::BlockFor(std::string_view text) const {
    // The first block whose last entry does not sort before the text.
    auto it = std::partition_point(blocks_.begin(), blocks_.end(),
                                   [&](const Block& block) { return Less(block.back(), text); });
    if (it == blocks_.end() && !blocks_.empty()) --it;
    return static_cast<size_t>(std::distance(blocks_.begin(), it));
}

void NamesListEntries::Insert(std::string text) {
    ++size_;
    if (blocks_.empty()) {
        blocks_.push_back(Block{std::move(text)});
        return;
    }
    const size_t b = BlockFor(text);
    Block& block = blocks_[b];
    block.insert(std::lower_bound(block.begin(), block.end(), text, Less), std::move(text));
    if (block.size() > kMaxBlock) {
        const auto half = static_cast<std::ptrdiff_t>(block.size() / 2);
        Block upper(std::make_move_iterator(block.begin() + half), std::make_move_iterator(block.end()));
        block.erase(block.begin() + half, block.end());
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(b) + 1, std::move(upper));
    }
}

bool NamesListEntries::Erase(std::string_view text) {
    if (blocks_.empty()) return false;
    const size_t b = BlockFor(text);
    Block& block = blocks_[b];
    auto it = std::lower_bound(block.begin(), block.end(), text, Less);
    if (it == block.end() || *it != text) return false;
    block.erase(it);
    --size_;
    if (block.empty()) blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(b));
    return true;
}

size_t NamesListEntries::IndexOf(std::string_view text) const {
    if (blocks_.empty()) return kNone;
    const size_t b = BlockFor(text);
    const Block& block = blocks_[b];
    auto it = std::lower_bound(block.begin(), block.end(), text, Less);
    if (it == block.end() || *it != text) return kNone;
    size_t index = static_cast<size_t>(std::distance(block.begin(), it));
    for (size_t i = 0; i < b; ++i) index += blocks_[i].size();
    return index;
}

const std::string& NamesListEntries::At(size_t index) const {
    for (const Block& block : blocks_) {
        if (index < block.size()) return block[index];
        index -= block.size();
    }
    static const std::string kOutOfRange;
    return kOutOfRange;
}

void NamesListEntries::Clear() {
    blocks_.clear();
    size_ = 0;
}

}  // namespace parlevox
