#pragma once
// The fixed tree of event types: every message class is one node. A node's
// id packs the 1-based indexes of its path (see EventTypes.h); handlers of a
// node also receive the events of every node below it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace parlevox {

// Filters a handler record may use, and which ones make sense for a node.
namespace filter {
constexpr uint32_t kMask = 1;
constexpr uint32_t kChannel = 2;
constexpr uint32_t kCTCPType = 4;
constexpr uint32_t kNumeric = 8;
}  // namespace filter

struct EventTypeNode {
    uint32_t id;
    const char* name;
    uint32_t parent;          // 0: the root
    uint32_t filtersOffered;  // filter:: bits
    const char* scriptName;   // null: scripts cannot name it
};

// The path from the root to a type: the 1-based index of the node at each
// level among its siblings, top-level type first. Empty for an id that is no
// path: 0, a level after an empty one, or more than three levels.
class EventTypePath {
public:
    explicit EventTypePath(uint32_t eventType);

    bool empty() const { return length_ == 0; }
    const size_t* begin() const { return indexes_.data(); }
    const size_t* end() const { return indexes_.data() + length_; }

private:
    std::array<size_t, 3> indexes_{};
    size_t length_ = 0;
};

// Every node, in the order the reaction editor walks the tree.
std::span<const EventTypeNode> EventTypeNodes();
// The node of an id, or null when the id names no node.
const EventTypeNode* FindEventTypeNode(uint32_t id);
// The id a script name stands for (without regard to case), 0 for none.
uint32_t EventTypeFromScriptName(std::string_view scriptName);

}  // namespace parlevox
