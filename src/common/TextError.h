#pragma once
// A failure while loading or running, carrying the text the user is shown.
#include <stdexcept>
#include <string>

namespace parlevox {

class TextError : public std::runtime_error {
public:
    explicit TextError(const std::string& text) : std::runtime_error(text) {}
    const char* Text() const noexcept { return what(); }
};

}  // namespace parlevox
