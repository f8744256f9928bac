#include "ui/KillExplanation.h"

#include <fmt/printf.h>

#include "irc/IMServer.h"
#include "ui/MainFrameTexts.h"

namespace parlevox {
namespace {

constexpr std::string_view kGhostPhrase = "Ghost command used by";

// The word after the phrase: "Ghost command used by Bob!b@h" -> "Bob!b@h".
std::string Ghoster(const std::string& text) {
    size_t at = text.find(kGhostPhrase);
    size_t start = text.find_first_not_of(' ', at + kGhostPhrase.size());
    if (start == std::string::npos) return {};
    size_t end = text.find_first_of(" )", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

MessageBoxRequest KillExplanation(const C_imKill& kill) {
    using namespace mainframe_text;
    MessageBoxRequest box;
    box.icon = MessageIcon::Exclamation;
    if (kill.text.find("NickServ Enforcement") != std::string::npos) {
        box.title = kNickServKillTitle;
        box.text = kNickServKill;
    } else if (kill.text.find(kGhostPhrase) != std::string::npos) {
        box.title = kGhostKillTitle;
        box.text = fmt::sprintf(kGhostKill, Ghoster(kill.text));
    } else if (kill.killer.find('!') == std::string::npos) {
        box.title = kServerKillTitle;
        box.text = fmt::sprintf(kServerKill, kill.killer, kill.text);
    } else {
        box.title = kUserKillTitle;
        box.text = fmt::sprintf(kUserKill, kill.killer, kill.text);
    }
    return box;
}

}  // namespace parlevox
