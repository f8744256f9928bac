#pragma once
// A script's own text window (WndTextNew): a pane the script writes lines
// into, under a title of its choosing, with an input line when the script
// names a function to take what is typed. Schemes know it by the kind name
// "CTextWindow:" + its name.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "display/ChatWindow.h"

namespace parlevox {

// The four words of WndTextNew.
struct TextWindowSpec {
    std::string name;           // what WndTextWrite and WndTextClose call it
    std::string title;          // the caption; underscores stand for spaces
    std::string inputFunction;  // takes each typed line; empty ("-"): no input line
    bool clearIfOpen = false;   // "clear": a window of that name already open is emptied; "keep"

    // Nothing, with the reason, when a word is not valid.
    static std::optional<TextWindowSpec> FromWords(std::span<const std::string> words, std::string& problem);
};

class CTextWindow final : public CChatWindow {
public:
    static constexpr const char* kIdPrefix = "~CTextWindow:";

    CTextWindow(const ChatWindowServices& services, TextWindowSpec spec, ChatWindowView& view);

    const TextWindowSpec& Spec() const { return spec_; }
    // A second WndTextNew of the same name: the new title and input function.
    void Reopen(TextWindowSpec spec);

    bool IsChannelWindow() const override { return false; }
    SchemeWindow SchemeTarget() const override;
    // Everything typed goes to the input function, "/" lines included.
    void Type(std::string_view line) override;

    std::function<void(const std::string& function, const std::string& line, CTextWindow& window)> onInput;

protected:
    void OnEvent(CIRCMessage&, uint32_t) override {}

private:
    TextWindowSpec spec_;
};

}  // namespace parlevox
