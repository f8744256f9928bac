#include "irc/IMPrivmsg.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "common/ParseInteger.h"
#include "common/TextHelpers.h"

namespace parlevox {

void C_imPRIVMSG::SetSystemVariables(SystemVariableSink& sink) const {
    PublishSenderAddress(sink, senderAddress);
    CIRCMessage::SetSystemVariables(sink);
}

void C_imNormalPM::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", text);
    C_imPRIVMSG::SetSystemVariables(sink);
}

void C_imNormalPM::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) text = std::move(*value);
}

void C_imChannelMessage::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imNormalPM::SetSystemVariables(sink);
}

C_imCTCPMessage::C_imCTCPMessage(C_imPRIVMSG&& generic) : IRCMessageOf(std::move(generic)) {
    SplitCTCPText(text, ctcpType, ctcpArgument);
}

void C_imCTCPMessage::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysText", ctcpArgument);
    sink.SetString("sSysType", ctcpType);
    C_imPRIVMSG::SetSystemVariables(sink);
}

void C_imCTCPMessage::ReadBackSystemVariables(SystemVariableSink& sink) {
    if (auto value = sink.GetString("sSysText")) ctcpArgument = std::move(*value);
}

bool C_imCTCPMessage::IsDCC() const {
    return EqualsIgnoringCase(ctcpType, "DCC");
}

bool C_imCTCPMessage::IsDCCRequest(std::string_view word) const {
    std::string_view argument = ctcpArgument;
    return IsDCC() && argument.size() >= word.size() && EqualsIgnoringCase(argument.substr(0, word.size()), word);
}

void C_imChannelMe::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imCTCPMessage::SetSystemVariables(sink);
}

void C_imChannelCTCP::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysChannel", channel);
    C_imCTCPMessage::SetSystemVariables(sink);
}

// --- DCC requests ---

namespace {

constexpr uint64_t kMaxSize = 0x7FFFFFFFFFFFFFFFull;

// The request's words after the keyword and one more character.
std::vector<std::string> DccWords(std::string_view argument, size_t keywordLength) {
    std::vector<std::string> words;
    if (argument.size() <= keywordLength + 1) return words;
    std::string_view rest = argument.substr(keywordLength + 1);
    if (rest.size() > 1 && rest.front() == '"') {
        const size_t close = rest.find('"', 1);
        if (close != std::string_view::npos && (close + 1 == rest.size() || rest[close + 1] == ' ')) {
            words.emplace_back(rest.substr(1, close - 1));
            rest.remove_prefix(std::min(rest.size(), close + 2));
            if (rest.empty()) return words;
        }
    }
    for (;;) {
        const size_t space = rest.find(' ');
        words.emplace_back(rest.substr(0, space));
        if (space == std::string_view::npos) return words;
        rest.remove_prefix(space + 1);
    }
}

template <typename Number>
bool ReadNumber(const std::string& word, uint64_t max, Number& into) {
    const std::optional<uint64_t> value = ParseStrictDecimal(word, max);
    if (value) into = static_cast<Number>(*value);
    return value.has_value();
}

// File name, port, position[, token].
template <typename Request>
void ReadResumeWords(Request& request, size_t keywordLength) {
    const std::vector<std::string> words = DccWords(request.ctcpArgument, keywordLength);
    if (words.size() < 3) return;
    request.fileName = words[0];
    if (words.size() > 3) request.token = words[3];
    request.valid = ReadNumber(words[1], 65535, request.port) && ReadNumber(words[2], kMaxSize, request.position);
}

int ClampToInt(uint64_t value) {
    return static_cast<int>(std::min<uint64_t>(value, 0x7FFFFFFF));
}

}  // namespace

C_imDCCOffer::C_imDCCOffer(C_imCTCPMessage&& generic) : IRCMessageOf(std::move(generic)) {
    const std::vector<std::string> words = DccWords(ctcpArgument, 4);
    if (words.size() < 3) return;
    fileName = words[0];
    address = words[1];
    if (words.size() > 4) token = words[4];
    valid = ReadNumber(address, 0xFFFFFFFFull, ip) && ReadNumber(words[2], 65535, port) &&
            (words.size() < 4 || ReadNumber(words[3], kMaxSize, fileSize));
}

void C_imDCCOffer::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysDCCIP", address);
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCFilesize", ClampToInt(fileSize));
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imDCCChat::C_imDCCChat(C_imCTCPMessage&& generic) : IRCMessageOf(std::move(generic)) {
    const std::vector<std::string> words = DccWords(ctcpArgument, 4);
    if (words.size() < 3 || !EqualsIgnoringCase(words[0], "chat")) return;
    address = words[1];
    valid = ReadNumber(address, 0xFFFFFFFFull, ip) && ReadNumber(words[2], 65535, port);
}

std::unique_ptr<C_imDCCChat> C_imDCCChat::FromClientLink(const std::string& nick, const std::string& address,
                                                        uint32_t ip, int port) {
    C_imPRIVMSG privmsg;
    privmsg.command = "PRIVMSG";
    privmsg.sender = nick + "!x@(BrimConnect)";
    privmsg.senderAddress = AddressRecord::FromSender(privmsg.sender);
    C_imCTCPMessage request(std::move(privmsg));
    request.ctcpType = "DCC";
    request.ctcpArgument.clear();
    auto chat = std::make_unique<C_imDCCChat>(std::move(request));
    chat->address = address;
    chat->ip = ip;
    chat->port = port;
    chat->valid = true;
    chat->viaClientLink = true;
    return chat;
}

void C_imDCCChat::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetString("sSysDCCIP", address);
    sink.SetInt("iSysDCCPort", port);
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imDCCResume::C_imDCCResume(C_imCTCPMessage&& generic) : IRCMessageOf(std::move(generic)) {
    ReadResumeWords(*this, 6);
}

void C_imDCCResume::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCPosition", ClampToInt(position));
    C_imCTCPMessage::SetSystemVariables(sink);
}

C_imDCCAccept::C_imDCCAccept(C_imCTCPMessage&& generic) : IRCMessageOf(std::move(generic)) {
    ReadResumeWords(*this, 6);
}

void C_imDCCAccept::SetSystemVariables(SystemVariableSink& sink) const {
    sink.SetInt("iSysDCCPort", port);
    sink.SetString("sSysDCCFilename", fileName);
    sink.SetInt("iSysDCCPosition", ClampToInt(position));
    C_imCTCPMessage::SetSystemVariables(sink);
}

}  // namespace parlevox
