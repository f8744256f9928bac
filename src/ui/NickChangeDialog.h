#pragma once
// The nick change dialog's check: OK with an empty nickname, or one holding
// a character outside the 70 allowed ones, shows "Nickname error" and the
// dialog stays open; otherwise the nickname is taken.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/MessageBox.h"

namespace parlevox {

class UserInterface;

class CNickChangeDialog {
public:
    // onChosen: what a good nickname is handed to ("/nick <nickname>").
    CNickChangeDialog(UserInterface& ui, std::function<void(const std::string&)> onChosen)
        : ui_(ui), onChosen_(std::move(onChosen)) {}

    // The box a nickname gets, or none for a good one.
    static std::optional<MessageBoxRequest> Problem(std::string_view nick);

    // OK pressed: false (after the box) when the dialog must stay open with
    // the focus on the nickname; true when the nickname was handed on.
    bool Ok(const std::string& nick);

private:
    UserInterface& ui_;
    std::function<void(const std::string&)> onChosen_;
};

}  // namespace parlevox
