#include "commands/CommandWords.h"

#include "commands/CommandVariables.h"

namespace parlevox {
namespace {

bool StartsReference(std::string_view line, size_t at) {
    if (line.size() - at < 4) return false;  // "%" and at least three more
    char kind = line[at + 1], first = line[at + 2];
    return (kind == 's' || kind == 'f' || kind == 'i') && first >= 'A' && first <= 'Z';
}

}  // namespace

ExpandResult ExpandVariables(std::string_view line, CommandVariables& variables, std::string& out) {
    size_t percent = line.find('%');
    if (percent == std::string_view::npos) return ExpandResult::Unchanged;
    out.assign(line.substr(0, percent));
    size_t at = percent;
    while (at < line.size()) {
        char c = line[at];
        if (c != '%') {
            size_t next = line.find('%', at);
            if (next == std::string_view::npos) next = line.size();
            out.append(line.substr(at, next - at));
            at = next;
        } else if (StartsReference(line, at)) {
            size_t close = line.find('%', at + 3);
            std::optional<std::string> value;
            if (close != std::string_view::npos) value = variables.ValueText(line.substr(at + 1, close - at - 1));
            if (value) {
                out.append(*value);
                at = close + 1;
            } else {
                out.push_back('%');
                ++at;
            }
        } else if (at + 1 < line.size() && line[at + 1] == '%') {
            out.push_back('%');
            at += 2;
        } else {
            out.push_back('%');
            ++at;
        }
        if (out.size() > kMaxExpandedLine) return ExpandResult::TooLong;
    }
    return ExpandResult::Expanded;
}

void WordList::Split(std::string_view line) {
    count_ = 0;
    size_t at = 0;
    while (at < line.size()) {
        size_t text = line.find_first_not_of(' ', at);
        if (text == std::string_view::npos) break;  // only spaces left: nothing to bind
        if (count_ == kMaxCommandWords - 1) {
            size_t end = line.find_last_not_of(' ') + 1;
            words_[count_++] = line.substr(at, end - at);
            break;
        }
        size_t space = line.find(' ', text);
        size_t end = space == std::string_view::npos ? line.size() : space + 1;
        words_[count_++] = line.substr(at, end - at);
        at = end;
    }
}

std::string_view BareWord(std::string_view word) {
    size_t first = word.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    size_t last = word.find_last_not_of(' ');
    return word.substr(first, last - first + 1);
}

std::string_view JoinedRest(std::span<const std::string_view> words) {
    if (words.empty()) return {};
    const char* begin = words.front().data();
    const char* end = words.back().data() + words.back().size();
    std::string_view rest(begin, static_cast<size_t>(end - begin));
    if (rest.ends_with(' ')) rest.remove_suffix(1);
    return rest;
}

}  // namespace parlevox
