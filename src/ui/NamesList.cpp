#include "ui/NamesList.h"

#include <utility>

#include "common/InternalErrorReport.h"
#include "common/TextHelpers.h"
#include "display/Scheme.h"
#include "irc/ConnectionState.h"
#include "irc/EventTypes.h"
#include "irc/IMChannelEvent.h"
#include "irc/IMGlobalEvent.h"
#include "irc/IMServer.h"
#include "ui/NamesListActions.h"

namespace parlevox {
namespace {

// Where the lookups that must succeed are reported.
constexpr const char* kReportFile = "NamesList";
constexpr int kStatusLine = 213;
constexpr int kSetStatusLine = 228;
constexpr int kRemoveLine = 251;

constexpr char kAddedDigit = '1';

char LetterFor(bool op, bool voice) {
    return op ? (voice ? 'O' : 'o') : (voice ? 'v' : 'z');
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// A "%" standing alone as a word is the nick; "%sN%" references and "%%"
// are left to the command processor.
std::string CommandForNick(std::string_view command, std::string_view nick) {
    std::string line;
    for (size_t i = 0; i < command.size(); ++i) {
        const bool alone = command[i] == '%' && (i == 0 || command[i - 1] == ' ') &&
                           (i + 1 == command.size() || command[i + 1] == ' ');
        if (alone)
            line += nick;
        else
            line += command[i];
    }
    return line;
}

}  // namespace

CNamesList::CNamesList(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& state,
                       std::string channel)
    : EventHandlerWindow(loop, networkWindow), state_(state), channel_(std::move(channel)) {
    for (uint32_t type : {kChannelJoin, kChannelPart, kChannelKick, kChannelMode}) {
        HandlerRecord record;
        record.eventType = type;
        record.filters = filter::kChannel;
        record.channel = channel_;
        record.priority = priority::kNamesList;
        Register(std::move(record));
    }
    RegisterListing();
    Register(kNick, priority::kNamesList);
    Register(kDisconnect, priority::kConnection);
    Register(kConnect, priority::kNamesList);
}

void CNamesList::RegisterListing() {
    HandlerRecord names;
    names.eventType = kChannelName;
    names.filters = filter::kChannel;
    names.channel = channel_;
    names.priority = priority::kNamesList;
    nameHandler_ = Register(names);
    // The numerics carry the channel too: each window waits for the end of
    // its own listing when several channels are joined at once.
    HandlerRecord numeric = names;
    numeric.eventType = kServerNumeric;
    numeric.filters = filter::kChannel | filter::kNumeric;
    numeric.numeric = 366;
    endHandler_ = Register(numeric);
    numeric.numeric = 353;
    replyHandler_ = Register(numeric);
}

void CNamesList::EndListing() {
    for (uint32_t* id : {&nameHandler_, &endHandler_, &replyHandler_}) {
        if (*id) RemoveHandler(*id);
        *id = 0;
    }
}

std::string_view CNamesList::NickOf(std::string_view entry) {
    return entry.size() < 2 ? std::string_view() : entry.substr(1, entry.size() - 2);
}

NickStatus CNamesList::StatusOf(std::string_view entry) {
    const char letter = entry.empty() ? 'z' : entry.front();
    return {letter == 'O' || letter == 'o', letter == 'O' || letter == 'v'};
}

const std::string* CNamesList::Stored(std::string_view nick) const {
    auto it = byNick_.find(ToLower(nick));
    return it == byNick_.end() ? nullptr : &it->second;
}

int CNamesList::Find(std::string_view nick) const {
    const std::string* stored = Stored(nick);
    return stored ? static_cast<int>(entries_.IndexOf(*stored)) : -1;
}

std::optional<NickStatus> CNamesList::Lookup(std::string_view nick) const {
    const std::string* stored = Stored(nick);
    if (!stored) return std::nullopt;
    return StatusOf(*stored);
}

NickStatus CNamesList::Status(std::string_view nick) const {
    if (auto status = Lookup(nick)) return *status;
    InternalErrorReport(kReportFile, kStatusLine);
    return {};
}

bool CNamesList::Insert(std::string_view nick, char letter, char digit) {
    std::string text;
    text.reserve(nick.size() + 2);
    text += letter;
    text += nick;
    text += digit;
    auto [at, added] = byNick_.try_emplace(ToLower(nick), text);
    if (added) {
        entries_.Insert(std::move(text));
        NotifyChanged();
    }
    return added;
}

void CNamesList::Add(std::string_view nick, bool op, bool voice) {
    // A nick already here keeps its entry.
    if (!nick.empty()) Insert(nick, LetterFor(op, voice), kAddedDigit);
}

void CNamesList::SetStatus(std::string_view nick, bool op, bool voice) {
    auto it = byNick_.find(ToLower(nick));
    if (it == byNick_.end()) {
        InternalErrorReport(kReportFile, kSetStatusLine);
        return;
    }
    // The selection is held by nick, so it stays with the entry.
    std::string& stored = it->second;
    const char letter = LetterFor(op, voice);
    if (stored.front() == letter) return;
    entries_.Erase(stored);
    stored.front() = letter;
    entries_.Insert(stored);
    NotifyChanged();
}

void CNamesList::Remove(std::string_view nick) {
    auto it = byNick_.find(ToLower(nick));
    if (it == byNick_.end()) {
        InternalErrorReport(kReportFile, kRemoveLine);
        return;
    }
    entries_.Erase(it->second);
    if (it->first == selected_) selected_.clear();
    byNick_.erase(it);
    NotifyChanged();
}

void CNamesList::RemoveIfPresent(std::string_view nick) {
    if (Stored(nick)) Remove(nick);
}

void CNamesList::Clear() {
    entries_.Clear();
    byNick_.clear();
    selected_.clear();
    NotifyChanged();
}

NickCompletion CNamesList::Complete(std::string_view prefix) const {
    NickCompletion result;
    std::string_view match;
    size_t matches = 0;
    entries_.VisitFrom(0, [&](size_t, const std::string& entry) {
        const std::string_view nick = NickOf(entry);
        if (StartsWithIgnoringCase(nick, prefix) && ++matches == 1) match = nick;
        return matches < 2;
    });
    result.found = matches > 0;
    if (matches == 1) result.suffix = match.substr(prefix.size());
    return result;
}

int CNamesList::Selection() const {
    return selected_.empty() ? -1 : Find(selected_);
}

std::string CNamesList::SelectedNick() const {
    const std::string* stored = selected_.empty() ? nullptr : Stored(selected_);
    return stored ? std::string(NickOf(*stored)) : std::string();
}

void CNamesList::Select(int index) {
    selected_.clear();
    if (index >= 0 && static_cast<size_t>(index) < entries_.Size())
        selected_ = ToLower(NickOf(entries_.At(static_cast<size_t>(index))));
    NotifyChanged();
}

WindowsColour CNamesList::Background() const {
    return scheme_ ? scheme_->Background() : CScheme::kDefaultBackground;
}

void CNamesList::SetDoubleClickCommand(std::string command) {
    doubleClickCommand_ = command.empty() ? std::string(kDefaultDoubleClickCommand) : std::move(command);
}

void CNamesList::RightButton(int entry, int x, int y) {
    if (entry >= 0) Select(entry);
    const std::string nick = SelectedNick();
    if (!nick.empty() && actions_) actions_->OpenUserMenu(nick, channel_, x, y);
}

void CNamesList::DoubleClick() {
    const std::string nick = SelectedNick();
    if (nick.empty() || !actions_) return;
    actions_->RunCommand(CommandForNick(doubleClickCommand_, nick), channel_, nick);
}

void CNamesList::Character(char character) {
    if (actions_) actions_->ForwardCharacter(character);
}

}  // namespace parlevox
