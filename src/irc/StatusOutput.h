#pragma once
// Where the network layer writes lines for the status window (the main
// frame's output pane). Lines carry the client's in-text codes.
#include <string_view>

namespace parlevox {

class StatusOutput {
public:
    virtual ~StatusOutput() = default;
    virtual void WriteStatus(std::string_view line) = 0;
};

}  // namespace parlevox
