#include "modules/Reaction.h"

#include <fmt/printf.h>

#include <array>
#include <limits>

#include "irc/CompiledMask.h"
#include "irc/EventTypeTree.h"
#include "modules/ReactionTexts.h"

namespace parlevox {
namespace {

// Registered for an empty mask: with the sender filter on, it lets hardly
// anyone through, which is what a filter without a mask should do.
constexpr const char* kNoSenderMask = "fail!fail@fail";

std::string WithoutSeparators(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != CReaction::kSeparator) out += c;
    return out;
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(value);
}

std::optional<uint32_t> ParseHex(std::string_view text) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        uint32_t digit;
        if (c >= '0' && c <= '9') digit = static_cast<uint32_t>(c - '0');
        else if (c >= 'a' && c <= 'f') digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (c >= 'A' && c <= 'F') digit = static_cast<uint32_t>(c - 'A' + 10);
        else return std::nullopt;
        value = value << 4 | digit;
    }
    return value;
}

ParsedReaction Rejected(std::string error) {
    return ParsedReaction{std::nullopt, std::move(error)};
}

}  // namespace

std::string CReaction::ToText() const {
    return fmt::sprintf("%i\x01%08x\x01%s\x01%08x\x01%08x\x01%s\x01%s\x01%s\x01%i", enabled,
                        static_cast<uint32_t>(owner), WithoutSeparators(action), eventSelector, filterFlags,
                        WithoutSeparators(textFilter1), WithoutSeparators(textFilter2),
                        WithoutSeparators(senderMask), number);
}

ParsedReaction CReaction::FromText(std::string_view text) {
    std::array<std::string_view, kFieldCount> fields;
    int count = 0;
    for (size_t start = 0;;) {
        size_t end = text.find(kSeparator, start);
        if (count < kFieldCount) fields[static_cast<size_t>(count)] = text.substr(start, end - start);
        ++count;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (count != kFieldCount) return Rejected(fmt::sprintf(texts::kReactionFieldCount, count));

    // Fields are numbered from 1, as the messages name them.
    auto decimal = [&](int field) { return ParseDecimal(fields[static_cast<size_t>(field - 1)]); };
    auto hex = [&](int field) { return ParseHex(fields[static_cast<size_t>(field - 1)]); };
    auto bad = [&](const char* format, int field) {
        return Rejected(fmt::sprintf(format, field, std::string(fields[static_cast<size_t>(field - 1)])));
    };

    CReaction reaction;
    auto enabled = decimal(1);
    if (!enabled) return bad(texts::kReactionNotDecimal, 1);
    auto owner = hex(2);
    if (!owner) return bad(texts::kReactionNotHex, 2);
    auto selector = hex(4);
    if (!selector) return bad(texts::kReactionNotHex, 4);
    auto flags = hex(5);
    if (!flags) return bad(texts::kReactionNotHex, 5);
    auto number = decimal(9);
    if (!number) return bad(texts::kReactionNotDecimal, 9);
    if (!FindEventTypeNode(*selector)) return Rejected(fmt::sprintf(texts::kReactionNoEventType, *selector));

    reaction.enabled = *enabled;
    reaction.owner = static_cast<int32_t>(*owner);
    reaction.action = fields[2];
    reaction.eventSelector = *selector;
    reaction.filterFlags = *flags;
    reaction.textFilter1 = fields[5];
    reaction.textFilter2 = fields[6];
    reaction.senderMask = fields[7];
    reaction.number = *number;
    return ParsedReaction{std::move(reaction), {}};
}

HandlerRecord CReaction::ToHandlerRecord() const {
    HandlerRecord record;
    record.eventType = eventSelector;
    record.filters = filterFlags;
    record.mask = MaskPatternsOf(senderMask.empty() ? std::string_view(kNoSenderMask) : senderMask);
    record.channel = textFilter1;
    record.ctcpType = textFilter2;
    record.numeric = number;
    record.priority = priority::kReactions;
    return record;
}

}  // namespace parlevox
