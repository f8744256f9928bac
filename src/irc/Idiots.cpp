#include "irc/Idiots.h"

#include <algorithm>
#include <utility>

#include <fmt/format.h>

#include "common/Masks.h"
#include "irc/IgnoreTexts.h"
#include "platform/Clock.h"

namespace parlevox {
namespace {

constexpr uint32_t kMaskTag = 0;
constexpr uint32_t kWatchTag = 1;

bool MatchesPatterns(const AddressRecord& address, const AddressRecord& patterns) {
    return WildcardMatch(address.nick, patterns.nick) && WildcardMatch(address.user, patterns.user) &&
           WildcardMatch(address.host, patterns.host);
}

AddressRecord AnyNickGeneralised(const AddressRecord& address) {
    return AddressRecord {"*", address.user, GeneraliseHost(address.host)};
}

}  // namespace

std::string HistoryStamp(const std::tm& local) {
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const char* day = local.tm_wday >= 0 && local.tm_wday < 7 ? kDays[local.tm_wday] : "???";
    const char* month = local.tm_mon >= 0 && local.tm_mon < 12 ? kMonths[local.tm_mon] : "???";
    return fmt::format("{} {} {:02} {:02}:{:02}:{:02} {}", day, month, local.tm_mday, local.tm_hour, local.tm_min,
                       local.tm_sec, local.tm_year + 1900);
}

CIgnoreList::CIgnoreList(Sender sender, Saver saver, LocalTime localTime)
    : sender_(std::move(sender)), saver_(std::move(saver)), localTime_(std::move(localTime)) {
    if (!localTime_) localTime_ = [](std::time_t when) { return Clock::LocalTime(when); };
}

CIgnoreList::~CIgnoreList() {
    SaveIfChanged();
}

void CIgnoreList::Load(std::vector<IgnoreEntry> entries, std::time_t now) {
    const size_t before = entries.size();
    std::erase_if(entries, [now](const IgnoreEntry& entry) {
        return entry.hold == 0 && now - entry.date >= kExpirySeconds;
    });
    entries_ = std::move(entries);
    indexStale_ = true;
    if (entries_.size() != before) Changed(true);
}

void CIgnoreList::Add(const AddressRecord& address, const std::string& reason, bool exact, std::time_t now) {
    IgnoreEntry entry;
    entry.masks.push_back(exact ? address : AnyNickGeneralised(address));
    entry.nicks.push_back(address.nick);
    entry.date = now;
    entry.reason = reason;
    entry.history = Stamp(now) + texts::kIgnoredMask + entry.masks.back().Text() + texts::kIdiot + address.Text() +
                    texts::kReason + reason + texts::kHistoryEnd;
    // Only a real host names a domain: a watch on "*" or "*.com" would take
    // everybody who speaks in the next quarter of an hour.
    if (!address.host.empty() && address.host.find('*') == std::string::npos) {
        entry.watchMask = AddressRecord {"*", "*", GeneraliseHost(address.host)};
        entry.watchUntil = now + kWatchSeconds;
    }
    entries_.push_back(std::move(entry));
    Changed(true);
}

void CIgnoreList::Remove(size_t index) {
    if (index >= entries_.size()) return;
    // Only what this entry silenced: another entry that still takes the
    // person silences them again at their next message.
    std::erase_if(silenced_, [&](const SilencedMask& silenced) {
        if (silenced.owner != index) return false;
        if (sender_) sender_(texts::kSilenceRemove + silenced.mask);
        return true;
    });
    for (SilencedMask& silenced : silenced_)
        if (silenced.owner > index) --silenced.owner;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    Changed(true);
}

std::vector<std::string> CIgnoreList::Silenced() const {
    std::vector<std::string> masks;
    for (const auto& silenced : silenced_) masks.push_back(silenced.mask);
    return masks;
}

void CIgnoreList::Replace(size_t index, IgnoreEntry entry) {
    if (index >= entries_.size()) return;
    entries_[index] = std::move(entry);
    Changed(true);
}

int64_t CIgnoreList::Check(const AddressRecord& address, std::time_t now) {
    LoweredAddress lowered;
    lowered.Set(address);
    return Check(address, lowered, now);
}

int64_t CIgnoreList::Check(const AddressRecord& address, const LoweredAddress& lowered, std::time_t now) {
    if (entries_.empty()) return -1;
    if (indexStale_) Rebuild();
    const int64_t found = index_.FirstOwner(lowered, [&](const MaskIndex::Item& item) {
        return item.tag == kMaskTag || now < entries_[item.owner].watchUntil;
    });
    if (found < 0) return -1;
    IgnoreEntry& entry = entries_[static_cast<size_t>(found)];
    const bool known = std::any_of(entry.masks.begin(), entry.masks.end(),
                                   [&](const AddressRecord& mask) { return MatchesPatterns(address, mask); });
    if (known) {
        entry.date = now;
        entry.active = true;
        Changed(false);
    } else {
        Widen(entry, address, now);
    }
    Silence(address, static_cast<size_t>(found));
    return found;
}

void CIgnoreList::Widen(IgnoreEntry& entry, const AddressRecord& address, std::time_t now) {
    entry.active = true;
    entry.date = now;
    entry.watchUntil = now + kWatchSeconds;
    if (std::find(entry.nicks.begin(), entry.nicks.end(), address.nick) == entry.nicks.end())
        entry.nicks.push_back(address.nick);
    for (AddressRecord& mask : entry.masks) {
        AddressRecord anyUser {mask.nick, "*", mask.host};
        if (!MatchesPatterns(address, anyUser)) continue;
        mask = std::move(anyUser);
        entry.history += Stamp(now) + texts::kToughenedMask + mask.Text() + texts::kIdiot + address.Text() +
                         texts::kHistoryEnd;
        Changed(true);
        return;
    }
    entry.masks.push_back(AnyNickGeneralised(address));
    entry.history += Stamp(now) + texts::kAddedNewMask + entry.masks.back().Text() + texts::kIdiot +
                     address.Text() + texts::kHistoryEnd;
    entry.watchMask = AddressRecord {"*", "*", entry.masks.back().host};
    Changed(true);
}

void CIgnoreList::Silence(const AddressRecord& address, size_t owner) {
    // "*!@" would silence nothing useful and tell the server nonsense.
    if (address.user.empty() || address.host.empty()) return;
    if (silenced_.size() >= kMaxSilenced) return;
    std::string mask = address.MaskAnyNick();
    if (std::any_of(silenced_.begin(), silenced_.end(), [&](const SilencedMask& s) { return s.mask == mask; })) return;
    silenced_.push_back({mask, owner});
    if (sender_) sender_(texts::kSilenceAdd + mask);
}

void CIgnoreList::SaveIfChanged() {
    if (!changed_) return;
    changed_ = false;
    if (saver_) saver_(entries_);
}

void CIgnoreList::Changed(bool structural) {
    changed_ = true;
    if (!structural) return;
    indexStale_ = true;
    SaveIfChanged();
}

void CIgnoreList::Rebuild() const {
    index_.Clear();
    for (size_t i = 0; i < entries_.size(); ++i) {
        const auto owner = static_cast<uint32_t>(i);
        for (const AddressRecord& mask : entries_[i].masks) index_.Add(mask, owner, kMaskTag);
        if (entries_[i].watchUntil != 0) index_.Add(entries_[i].watchMask, owner, kWatchTag);
    }
    indexStale_ = false;
}

std::string CIgnoreList::Stamp(std::time_t when) const {
    return HistoryStamp(localTime_(when));
}

}  // namespace parlevox
