#pragma once
// The addresses (nick!user@host) of the senders seen lately, newest first,
// each once. Every received line with a full address offers its sender, so
// an offer costs one hash lookup and, for a known address, no allocation.
#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>

namespace parlevox {

class RecentAddresses {
public:
    static constexpr size_t kCapacity = 200;

    RecentAddresses() { index_.reserve(kCapacity + 1); }
    RecentAddresses(const RecentAddresses&) = delete;  // the index points into entries_
    RecentAddresses& operator=(const RecentAddresses&) = delete;

    // Puts the address at the front; one already held moves there, and the
    // oldest is dropped past the capacity. Addresses compare exactly.
    void Offer(std::string_view address);

    bool Contains(std::string_view address) const { return index_.count(address) != 0; }
    size_t Size() const { return entries_.size(); }
    const std::list<std::string>& Entries() const { return entries_; }  // newest first
    void Clear();

private:
    std::list<std::string> entries_;
    // Keys view the strings in entries_, whose nodes never move.
    std::unordered_map<std::string_view, std::list<std::string>::iterator> index_;
};

}  // namespace parlevox
