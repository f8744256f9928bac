#include "ModuleTextForms.h"

#include "common/TextError.h"

namespace parlevox {
namespace {

constexpr const char* kVariablesHeader =
    "# One variable a line: name, access (Read, ModW or AnyW), id, value.\n"
    "# The value has one part per type letter of the name: \"text\", 12, FunctionName,\n"
    "# [\"array\", \"of texts\"], [1, 2]. Escapes in quotes: \\\\ \\\" \\t \\n \\r \\xHH.\n";
constexpr const char* kReactionsHeader =
    "# One reaction a line: enabled, owner module id, action (function or /command),\n"
    "# event selector, filter flags (1 sender mask, 2 text filter 1, 4 text filter 2,\n"
    "# 8 number), text filter 1, text filter 2, sender mask, number.\n"
    "# Event selectors: 00000102 join, 00020101 channel message, 00010101 private message.\n";
constexpr const char* kMenuItemsHeader = "# One menu item a line: name, function, confirm, menu kind (0-3).\n";

// The words of every line that has any, with their line numbers.
template <typename Each>
void ForEachLine(std::string_view text, Each each) {
    std::vector<std::string> lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        std::vector<TextToken> tokens = TokenizeLine(lines[i], number);
        if (!tokens.empty()) each(tokens, number);
    }
}

int32_t NumberToken(const TextToken& token, int line, bool hex = false) {
    std::optional<int32_t> value = token.quoted ? std::nullopt : hex ? ParseHex(token.text) : ParseDecimal(token.text);
    if (!value)
        throw TextFileError{std::string(hex ? "a hexadecimal" : "a whole") + " number was expected here, not " +
                                TokenText(token.text),
                            line, token.column};
    return *value;
}

std::string ComponentText(const VariableComponent& c) {
    auto list = [](const auto& items, auto one) {
        std::string out = "[";
        for (size_t i = 0; i < items.size(); ++i) out += (i ? ", " : "") + one(items[i]);
        return out + "]";
    };
    switch (c.type) {
        case ComponentType::Int: return std::to_string(c.number);
        case ComponentType::String: return QuotedText(c.text);
        case ComponentType::Function: return TokenText(c.text);
        case ComponentType::IntArray: return list(c.numbers, [](int32_t n) { return std::to_string(n); });
        case ComponentType::StringArray: return list(c.texts, [](const std::string& s) { return QuotedText(s); });
        case ComponentType::FunctionArray: return list(c.texts, [](const std::string& s) { return TokenText(s); });
    }
    return {};
}

// Reads one component of the given kind from tokens[at], moving at past it.
void ReadComponent(VariableComponent& c, const std::vector<TextToken>& tokens, size_t& at, int line) {
    auto next = [&]() -> const TextToken& {
        if (at >= tokens.size())
            throw TextFileError{"the value ends early: its name's type has more parts", line,
                                tokens.back().column};
        return tokens[at++];
    };
    if (!IsArray(c.type)) {
        const TextToken& token = next();
        if (c.type == ComponentType::Int) c.number = NumberToken(token, line);
        else c.text = token.text;
        return;
    }
    const TextToken& open = next();
    if (open.quoted || open.text != "[") throw TextFileError{"an array value starts with [", line, open.column};
    for (;;) {
        const TextToken& token = next();
        if (!token.quoted && token.text == "]") return;
        if (c.type == ComponentType::IntArray) c.numbers.push_back(NumberToken(token, line));
        else c.texts.push_back(token.text);
    }
}

VariableAccess AccessOf(const TextToken& token, int line) {
    for (VariableAccess access : {VariableAccess::Read, VariableAccess::ModW, VariableAccess::AnyW})
        if (!token.quoted && token.text == AccessName(access)) return access;
    throw TextFileError{"the access is Read, ModW or AnyW", line, token.column};
}

}  // namespace

std::string VariablesText(const CVariableDefinitions& variables) {
    std::string out = kVariablesHeader;
    for (const CVariableDefinitions::Entry& entry : variables.Entries()) {
        out += TokenText(entry.name) + " " + AccessName(entry.access) + " " + std::to_string(entry.id);
        for (size_t i = 0; i < entry.value.Count(); ++i)
            out += (i ? ", " : " ") + ComponentText(entry.value.Component(i));
        out += '\n';
    }
    return out;
}

void ReadVariables(std::string_view text, CVariableDefinitions& into) {
    ForEachLine(text, [&](const std::vector<TextToken>& tokens, int line) {
        if (tokens.size() < 3) throw TextFileError{"a variable needs a name, an access and an id", line, 1};
        const std::string& name = tokens[0].text;
        if (into.FindId(name) != 0) throw TextFileError{"the variable " + name + " is listed twice", line, 1};
        const int32_t id = NumberToken(tokens[2], line);
        if (id == 0) throw TextFileError{"a variable id is not 0", line, tokens[2].column};
        CVariable value;
        try {
            value = CVariable::FromName(name);
        } catch (const TextError& error) {
            throw TextFileError{error.Text(), line, 1};
        }
        size_t at = 3;
        for (VariableComponent& component : value.Components()) ReadComponent(component, tokens, at, line);
        if (at != tokens.size())
            throw TextFileError{"the value has more parts than the name's type", line, tokens[at].column};
        CVariableDefinitions::Entry& entry = into.Add(name, id);
        entry.value = std::move(value);
        into.SetAccess(name, AccessOf(tokens[1], line));
    });
}

std::string ReactionsText(const std::vector<std::string>& reactions) {
    std::string out = kReactionsHeader;
    for (const std::string& reaction : reactions) {
        size_t at = 0;
        for (;;) {
            const size_t end = reaction.find('\x01', at);
            out += TokenText(std::string_view(reaction).substr(at, end - at));
            if (end == std::string::npos) break;
            out += ' ';
            at = end + 1;
        }
        out += '\n';
    }
    return out;
}

std::vector<std::string> ReadReactions(std::string_view text) {
    std::vector<std::string> reactions;
    ForEachLine(text, [&](const std::vector<TextToken>& tokens, int) {
        std::string reaction;
        for (size_t i = 0; i < tokens.size(); ++i) reaction += (i ? "\x01" : "") + tokens[i].text;
        reactions.push_back(std::move(reaction));
    });
    return reactions;
}

std::string MenuItemsText(const std::vector<ModuleMenuItem>& items) {
    std::string out = kMenuItemsHeader;
    for (const ModuleMenuItem& item : items)
        out += TokenText(item.name) + " " + TokenText(item.function) + " " + std::to_string(item.confirm) + " " +
               std::to_string(item.kind) + "\n";
    return out;
}

std::vector<ModuleMenuItem> ReadMenuItems(std::string_view text) {
    std::vector<ModuleMenuItem> items;
    ForEachLine(text, [&](const std::vector<TextToken>& tokens, int line) {
        if (tokens.size() != 4) throw TextFileError{"a menu item is: name, function, confirm, menu kind", line, 1};
        items.push_back({tokens[0].text, tokens[1].text, NumberToken(tokens[2], line), NumberToken(tokens[3], line)});
    });
    return items;
}

}  // namespace parlevox
