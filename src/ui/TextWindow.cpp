#include "ui/TextWindow.h"

#include <algorithm>

#include "common/TextHelpers.h"
#include "commands/TextWindowTexts.h"

namespace parlevox {
namespace {

constexpr size_t kMaxNameLength = 64;

bool IsNameCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > ' ' && byte != 0x7F;
}

}  // namespace

std::optional<TextWindowSpec> TextWindowSpec::FromWords(std::span<const std::string> words, std::string& problem) {
    if (words.size() != 4) {
        problem = texts::kTextWindowWords;
        return std::nullopt;
    }
    TextWindowSpec spec;
    spec.name = words[0];
    if (spec.name.empty() || spec.name.size() > kMaxNameLength ||
        !std::all_of(spec.name.begin(), spec.name.end(), IsNameCharacter)) {
        problem = texts::kTextWindowName;
        return std::nullopt;
    }
    spec.title = words[1];
    std::replace(spec.title.begin(), spec.title.end(), '_', ' ');
    if (words[2] != "-") spec.inputFunction = words[2];
    if (EqualsIgnoringCase(words[3], "clear")) spec.clearIfOpen = true;
    else if (!EqualsIgnoringCase(words[3], "keep")) {
        problem = texts::kTextWindowLastWord;
        return std::nullopt;
    }
    return spec;
}

CTextWindow::CTextWindow(const ChatWindowServices& services, TextWindowSpec spec, ChatWindowView& view)
    : CChatWindow(services, kIdPrefix + spec.name, view), spec_(std::move(spec)) {
    SetCaption(spec_.title);
}

void CTextWindow::Reopen(TextWindowSpec spec) {
    if (spec.clearIfOpen) Clear();
    spec_ = std::move(spec);
    SetCaption(spec_.title);
}

SchemeWindow CTextWindow::SchemeTarget() const {
    SchemeWindow target = CChatWindow::SchemeTarget();
    target.kind = SchemeWindow::Kind::TextWindow;
    target.name = spec_.name;
    return target;
}

void CTextWindow::Type(std::string_view line) {
    if (line.empty() || spec_.inputFunction.empty() || !onInput) return;
    onInput(spec_.inputFunction, std::string(line), *this);
}

}  // namespace parlevox
