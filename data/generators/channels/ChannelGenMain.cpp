// Builds the channel category file from its readable source: draws each
// icon (a rounded tile in the icon's colour with a white symbol) and writes
// the icon table and the category tree as the client reads them.
//
//   parlevox-channelgen SOURCE.txt OUTPUT.dat
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/Canvas.h"
#include "art/Icons.h"
#include "art/TextRenderer.h"

namespace parlevox::art {
namespace {

constexpr int kIconSize = 48;
constexpr size_t kIconNameField = 40;
constexpr size_t kMaxField = 255;

struct IconSource {
    std::string name, symbol;
    Colour colour;
};

struct Entry {
    std::string name, icon, description;
    std::vector<Entry> children;
};

[[noreturn]] void Fail(int line, const std::string& why) {
    throw std::runtime_error("line " + std::to_string(line) + ": " + why);
}

void CheckField(int line, const std::string& text, const char* forbidden) {
    if (text.size() > kMaxField) Fail(line, "longer than 255 bytes: " + text);
    if (text.find_first_of(forbidden) != std::string::npos) Fail(line, "holds one of " + std::string(forbidden));
}

Canvas DrawIcon(const IconSource& icon, TextRenderer& font) {
    Canvas canvas(kIconSize, kIconSize, {255, 255, 255});
    const Shape tile = RoundRect(3, 3, 45, 45, 9);
    canvas.FillShape(Offset(tile, 1, 2), Solid({0, 0, 0}), 0.25f, 3);
    canvas.FillShape(tile, VerticalGradient(3, 45, Mix(icon.colour, {255, 255, 255}, 0.25f), Scale(icon.colour, 0.8f)));
    canvas.Bevel(tile, 2, 0.35f, 0.3f);
    const IconPen pen {24, 24, 32, {255, 255, 255}};
    if (icon.symbol == "hash") DrawHash(canvas, pen);
    else if (icon.symbol == "people") DrawPeople(canvas, pen);
    else if (icon.symbol == "gear") DrawGear(canvas, pen);
    else if (icon.symbol == "plug") DrawPlug(canvas, pen, true);
    else if (icon.symbol == "bubble") canvas.FillShape(SpeechBubble(11, 12, 37, 32, true), Solid({255, 255, 255}));
    else {
        TextStyle style;
        style.size = icon.symbol.size() == 1 ? 30 : 22;
        style.paint = Solid({255, 255, 255});
        style.centred = true;
        style.shadowOpacity = 0.35f;
        DrawText(canvas, font, icon.symbol, 24, 24, style);
    }
    return canvas;
}

std::string Unquote(int line, const std::string& word) {
    if (word.size() < 3 || word.front() != '"' || word.back() != '"') return word;
    std::string inner = word.substr(1, word.size() - 2);
    if (inner.empty()) Fail(line, "empty glyph");
    return inner;
}

struct Source {
    std::vector<IconSource> icons;
    Entry root;
};

// "NAME [ICON] DESCRIPTION" -> an entry; the icon must be declared.
Entry ParseEntry(int line, const std::string& text, const std::map<std::string, bool>& icons) {
    const size_t open = text.find(" ["), close = text.find(']');
    if (open == std::string::npos || close == std::string::npos || close < open) Fail(line, "expected NAME [ICON]");
    Entry entry;
    entry.name = text.substr(0, open);
    entry.icon = text.substr(open + 2, close - open - 2);
    if (!icons.count(entry.icon)) Fail(line, "unknown icon " + entry.icon);
    if (entry.name.empty()) Fail(line, "empty name");
    std::string rest = close + 1 < text.size() ? text.substr(close + 1) : std::string();
    while (!rest.empty() && rest.front() == ' ') rest.erase(0, 1);
    if (entry.name[0] == '#') {
        if (rest.empty()) Fail(line, "a channel needs a description");
        entry.description = rest;
    } else if (!rest.empty()) {
        Fail(line, "a category has no description");
    }
    CheckField(line, entry.name, "\\{}");
    CheckField(line, entry.icon, "\\{}");
    CheckField(line, entry.description, "}");
    return entry;
}

Source ReadSource(std::istream& in) {
    Source source;
    std::map<std::string, bool> declared;
    std::vector<Entry*> path;  // the open categories, by depth
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.empty() || text[0] == ';') continue;
        if (text.rfind("icon ", 0) == 0) {
            std::istringstream words(text.substr(5));
            IconSource icon;
            std::string colour;
            if (!(words >> icon.name >> icon.symbol >> colour)) Fail(line, "expected icon NAME SYMBOL RRGGBB");
            if (icon.name.size() >= kIconNameField || icon.name.find('\\') != std::string::npos)
                Fail(line, "icon names are 1-39 bytes without backslashes");
            icon.symbol = Unquote(line, icon.symbol);
            icon.colour = Hex(static_cast<unsigned>(std::stoul(colour, nullptr, 16)));
            declared[icon.name] = true;
            source.icons.push_back(icon);
            continue;
        }
        const size_t indent = text.find_first_not_of(' ');
        if (indent % 2 != 0) Fail(line, "indent by two spaces per level");
        const size_t depth = indent / 2;
        Entry entry = ParseEntry(line, text.substr(indent), declared);
        if (depth == 0) {
            if (!path.empty()) Fail(line, "only one root");
            source.root = std::move(entry);
            path.push_back(&source.root);
            continue;
        }
        if (depth > path.size()) Fail(line, "indented too far");
        path.resize(depth);
        Entry& parent = *path.back();
        if (parent.name[0] == '#') Fail(line, "a channel has no children");
        parent.children.push_back(std::move(entry));
        path.push_back(&parent.children.back());
    }
    if (path.empty()) throw std::runtime_error("no root entry");
    return source;
}

void WriteEntry(std::string& out, const Entry& entry) {
    out += "{" + entry.name + "\\" + entry.icon + "\\";
    if (entry.name[0] == '#') {
        out += entry.description + "}";
        return;
    }
    for (const Entry& child : entry.children) {
        out += "\r\n";
        WriteEntry(out, child);
    }
    out += "}";
}

std::string Build(const Source& source) {
    TextRenderer font("DejaVu Sans:bold");
    std::string out;
    for (const IconSource& icon : source.icons) {
        out += icon.name + std::string(kIconNameField - icon.name.size(), '\\');
        for (unsigned char byte : DrawIcon(icon, font).Rgb()) out += static_cast<char>(byte);
    }
    out += std::string(kIconNameField, '\\');
    WriteEntry(out, source.root);
    return out;
}

}  // namespace
}  // namespace parlevox::art

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: parlevox-channelgen SOURCE.txt OUTPUT.dat\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in) throw std::runtime_error(std::string("cannot read ") + argv[1]);
        const std::string bytes = parlevox::art::Build(parlevox::art::ReadSource(in));
        std::ofstream out(argv[2], std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error(std::string("cannot write ") + argv[2]);
    } catch (const std::exception& error) {
        std::cerr << argv[1] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
