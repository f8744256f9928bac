#include "display/SchemeUsage.h"

#include "common/Masks.h"
#include "display/SchemeTexts.h"

namespace parlevox {
namespace {

bool AnyMatches(const std::vector<std::string>& patterns, std::string_view text) {
    for (const std::string& pattern : patterns)
        if (WildcardMatch(text, pattern)) return true;
    return false;
}

}  // namespace

std::string SchemeWindow::KindName() const {
    switch (kind) {
        case Kind::ControlBar: return texts::kControlBarKind;
        case Kind::MessageOfTheDay: return texts::kMotdWindowKind;
        case Kind::Background: return texts::kBackgroundWindowKind;
        case Kind::TextWindow: return texts::kTextWindowKindPrefix + name;
        default: return {};
    }
}

bool SchemeUsage::AppliesTo(const SchemeWindow& window) const {
    if (!AnyMatches(servers, window.serverName)) return false;
    if (window.kind == SchemeWindow::Kind::Channel) return AnyMatches(channels, window.name);
    std::string kindName = window.KindName();
    if (!kindName.empty()) return AnyMatches(builtInWindows, kindName);
    if (window.kind == SchemeWindow::Kind::PrivateChat) return AnyMatches(privateChats, window.name);
    return false;
}

std::vector<std::string> SchemeUsage::WordsFromText(std::string_view text) {
    std::vector<std::string> words;
    size_t start = 0;
    while (start <= text.size()) {
        size_t space = text.find(' ', start);
        if (space == std::string_view::npos) space = text.size();
        if (space > start) words.emplace_back(text.substr(start, space - start));
        start = space + 1;
    }
    return words;
}

}  // namespace parlevox
