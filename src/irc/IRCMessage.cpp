#include "irc/IRCMessage.h"

namespace parlevox {

void CIRCMessage::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysRawMessage", raw);
    sink.SetInt("iSysHandled", handled);
}

void CIRCMessage::ReadBackSystemVariables(SystemVariableSink&) {}

size_t CIRCMessage::ParamCount() const {
    size_t count = 0;
    while (count < kMaxMiddleParams && !params[count].empty()) ++count;
    return count;
}

bool IsChannelTarget(std::string_view target) {
    return !target.empty() && (target[0] == '#' || target[0] == '&' || target[0] == '+');
}

void PublishSenderAddress(SystemVariableSink& sink, const AddressRecord& address) {
    sink.SetString("sSysSenderNick", address.nick);
    sink.SetString("sSysSenderUsername", address.user);
    sink.SetString("sSysSenderHostname", address.host);
}

std::string_view ParamVariableName(size_t index) {
    static constexpr std::array<std::string_view, CIRCMessage::kMaxMiddleParams> kNames = {
        "sSysParam1", "sSysParam2",  "sSysParam3",  "sSysParam4",  "sSysParam5",  "sSysParam6",  "sSysParam7",
        "sSysParam8", "sSysParam9", "sSysParam10", "sSysParam11", "sSysParam12", "sSysParam13", "sSysParam14"};
    return index >= 1 && index <= kNames.size() ? kNames[index - 1] : std::string_view();
}

void SplitCTCPText(std::string_view text, std::string& type, std::string& argument) {
    std::string_view body = text.empty() ? text : text.substr(1);
    if (!body.empty()) body.remove_suffix(1);
    size_t space = body.find(' ');
    type.assign(body.substr(0, space));
    if (space == std::string_view::npos)
        argument.clear();
    else
        argument.assign(body.substr(space + 1));
}

void SplitModeWords(const CIRCMessage& message, std::string& flags, std::vector<std::string>& modeParams) {
    std::vector<std::string_view> words;
    for (size_t i = 1; i < CIRCMessage::kMaxMiddleParams && !message.params[i].empty(); ++i)
        words.push_back(message.params[i]);
    // Without params[0] the text names the target and holds no mode words.
    std::string_view text = message.params[0].empty() ? std::string_view() : std::string_view(message.text);
    while (!text.empty()) {
        size_t space = text.find(' ');
        std::string_view word = text.substr(0, space);
        if (!word.empty()) words.push_back(word);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    }
    flags.clear();
    modeParams.clear();
    if (words.empty()) return;
    flags.assign(words.front());
    modeParams.assign(words.begin() + 1, words.end());
}

void PublishModeWords(SystemVariableSink& sink, const std::string& flags, const std::vector<std::string>& modeParams) {
    sink.SetString("sSysFlags", flags);
    for (size_t i = 1; i <= CIRCMessage::kMaxMiddleParams; ++i)
        sink.SetString(ParamVariableName(i), i <= modeParams.size() ? std::string_view(modeParams[i - 1]) : "");
}

}  // namespace parlevox
