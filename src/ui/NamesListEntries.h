#pragma once
// The stored texts of a names list in the order a sorted list box keeps
// them: compared byte by byte with the letters A-Z folded to lower case.
// They are held in short sorted blocks, so that adding, removing and finding
// the position of one entry stay cheap in channels of many thousands.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace parlevox {

class NamesListEntries {
public:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    static bool Less(std::string_view a, std::string_view b);

    size_t Size() const { return size_; }
    void Insert(std::string text);
    // Removes the entry stored as exactly this text; false when there is none.
    bool Erase(std::string_view text);
    // The entry's position in order; kNone when absent.
    size_t IndexOf(std::string_view text) const;
    // The index must be below Size().
    const std::string& At(size_t index) const;
    void Clear();

    // Calls visit(index, text) for the entries from `first` on, in order,
    // until it returns false.
    template <class Visit>
    void VisitFrom(size_t first, Visit&& visit) const {
        size_t index = 0;
        for (const Block& block : blocks_) {
            if (index + block.size() <= first) {
                index += block.size();
                continue;
            }
            for (size_t i = first > index ? first - index : 0; i < block.size(); ++i)
                if (!visit(index + i, block[i])) return;
            index += block.size();
        }
    }

private:
    using Block = std::vector<std::string>;
    static constexpr size_t kMaxBlock = 64;

    // The block that holds, or would hold, the text.
    size_t BlockFor(std::string_view text) const;

    std::vector<Block> blocks_;
    size_t size_ = 0;
};

}  // namespace parlevox
