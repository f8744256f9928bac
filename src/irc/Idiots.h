#pragma once
// The ignore list ("Idiots"): people whose messages are dropped before any
// window sees them. An entry follows its person to a new address in the same
// domain for a quarter of an hour after each sighting, widening its masks.
// The list is pure: the time is passed in, and SILENCE lines and saving go
// through functions the owner gives.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "irc/AddressRecord.h"
#include "irc/CompiledMask.h"

namespace parlevox {

struct IgnoreEntry {
    bool active = false;    // matched in this run
    std::time_t date = 0;   // last sighting
    std::vector<AddressRecord> masks;
    std::vector<std::string> nicks;
    std::string history;
    std::string reason;
    int hold = 0;           // non-zero: never expires
    AddressRecord watchMask;
    std::time_t watchUntil = 0;
    bool operator==(const IgnoreEntry&) const = default;
};

// 24 characters, "Mon Dec 07 22:10:05 1998", in English whatever the locale.
std::string HistoryStamp(const std::tm& local);

class CIgnoreList {
public:
    static constexpr std::time_t kWatchSeconds = 900;
    static constexpr std::time_t kExpirySeconds = 10 * 86400;
    // Servers keep a short silence list; past it each line only draws an
    // error and adds to the flood penalty.
    static constexpr size_t kMaxSilenced = 15;

    using Sender = std::function<void(const std::string& line)>;
    using Saver = std::function<void(const std::vector<IgnoreEntry>& entries)>;
    // Local time of a moment, for the history stamps.
    using LocalTime = std::function<std::tm(std::time_t)>;

    explicit CIgnoreList(Sender sender, Saver saver = {}, LocalTime localTime = {});
    ~CIgnoreList();
    CIgnoreList(const CIgnoreList&) = delete;
    CIgnoreList& operator=(const CIgnoreList&) = delete;

    // Takes the stored entries, dropping those not held and unseen for ten
    // whole days; saves when any went.
    void Load(std::vector<IgnoreEntry> entries, std::time_t now);
    const std::vector<IgnoreEntry>& Entries() const { return entries_; }

    void Add(const AddressRecord& address, const std::string& reason, bool exact, std::time_t now);
    // Unsilences what the entry silenced in this connection, then deletes it.
    void Remove(size_t index);
    // The preferences change what the user may edit (reason, hold).
    void Replace(size_t index, IgnoreEntry entry);

    // The first entry that takes the address (index), or -1. A match moves
    // the entry's date, may widen it, and silences the address.
    int64_t Check(const AddressRecord& address, std::time_t now);
    int64_t Check(const AddressRecord& address, const LoweredAddress& lowered, std::time_t now);

    // A new connection (or the end of one): the server forgot our silences.
    void ClearSilenced() { silenced_.clear(); }
    std::vector<std::string> Silenced() const;

    // Saves when anything changed since the last save.
    void SaveIfChanged();

private:
    void Widen(IgnoreEntry& entry, const AddressRecord& address, std::time_t now);
    void Silence(const AddressRecord& address, size_t owner);
    void Changed(bool structural);
    void Rebuild() const;
    std::string Stamp(std::time_t when) const;

    Sender sender_;
    Saver saver_;
    LocalTime localTime_;
    std::vector<IgnoreEntry> entries_;
    struct SilencedMask {
        std::string mask;
        size_t owner;  // the entry that matched
    };
    std::vector<SilencedMask> silenced_;
    bool changed_ = false;
    mutable bool indexStale_ = true;
    mutable MaskIndex index_;  // the masks (tag 0) and watch masks (tag 1) of the entries
};

}  // namespace parlevox
