#pragma once
// What the join window works with: the options record (whose favourites it
// edits, calling optionsChanged after each edit so the record is saved),
// the category file, the network window for the channel listing, and the
// caller's way of running a "/join" line.
#include <functional>
#include <string>

#include "platform/WindowMessage.h"

namespace parlevox {

class EventLoop;
class MajorChannels;
class OptionsRecord;
class UserInterface;
struct ConnectionState;

struct JoinWindowContext {
    OptionsRecord& options;
    std::function<void()> optionsChanged;
    UserInterface& ui;
    std::function<void(const std::string& line)> joinLine;
    // Null: an empty "Categories" page.
    const MajorChannels* categories = nullptr;
    // The "All channels" listing's network window; without a loop and a
    // connection the page cannot list.
    EventLoop* loop = nullptr;
    WindowHandle networkWindow = 0;
    const ConnectionState* connection = nullptr;
};

}  // namespace parlevox
