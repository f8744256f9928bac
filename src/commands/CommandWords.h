#pragma once
// Turning a typed line into words: "%sName%" expansion and splitting at
// spaces. Words are views into the line; each keeps the spaces before it
// and the one space after it, so consecutive words are contiguous and a
// rest parameter gets the text exactly as typed.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace parlevox {

class CommandVariables;

inline constexpr size_t kMaxCommandWords = 128;
// Expansion stops a line from growing past this many bytes: a few references
// to variables of 100 KB are fine, a line full of them is refused.
inline constexpr size_t kMaxExpandedLine = 1u << 20;

enum class ExpandResult { Unchanged, Expanded, TooLong };

// Replaces every "%<s|f|i><A-Z>...%" that names a variable by its value and
// reduces "%%" to "%". Unchanged: `out` was not written (the line had
// nothing to expand).
ExpandResult ExpandVariables(std::string_view line, CommandVariables& variables, std::string& out);

class WordList {
public:
    // Words past the 127th stay in the 128th.
    void Split(std::string_view line);
    size_t Count() const { return count_; }
    std::string_view operator[](size_t i) const { return words_[i]; }
    std::span<const std::string_view> From(size_t first) const {
        return first < count_ ? std::span<const std::string_view>(words_.data() + first, count_ - first)
                              : std::span<const std::string_view>();
    }

private:
    std::array<std::string_view, kMaxCommandWords> words_;
    size_t count_ = 0;
};

// A word bound to a single-word parameter: without the spaces around it.
std::string_view BareWord(std::string_view word);
// The words joined as typed, without the last one's trailing space.
std::string_view JoinedRest(std::span<const std::string_view> words);

}  // namespace parlevox
