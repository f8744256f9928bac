#include "TextTokens.h"

#include <charconv>
#include <cstdio>

namespace parlevox {
namespace {

bool IsBareByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte > 0x20 && byte < 0x7F && c != '"' && c != '\\' && c != ',' && c != '[' && c != ']';
}

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The quoted word starting at line[at] (the quote); at ends past the closing quote.
std::string ReadQuoted(std::string_view line, size_t& at, int lineNumber) {
    const int start = static_cast<int>(at) + 1;
    std::string text;
    for (++at; at < line.size() && line[at] != '"'; ++at) {
        if (line[at] != '\\') {
            text += line[at];
            continue;
        }
        const int column = static_cast<int>(at) + 1;
        if (++at >= line.size()) break;
        switch (line[at]) {
            case '\\': text += '\\'; break;
            case '"': text += '"'; break;
            case 't': text += '\t'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case 'x': {
                const int high = at + 1 < line.size() ? HexDigit(line[at + 1]) : -1;
                const int low = at + 2 < line.size() ? HexDigit(line[at + 2]) : -1;
                if (high < 0 || low < 0) throw TextFileError{"\\x needs two hexadecimal digits", lineNumber, column};
                text += static_cast<char>(high * 16 + low);
                at += 2;
                break;
            }
            default: throw TextFileError{"unknown escape \\" + std::string(1, line[at]), lineNumber, column};
        }
    }
    if (at >= line.size()) throw TextFileError{"the quoted text has no closing quote", lineNumber, start};
    ++at;
    return text;
}

}  // namespace

std::string QuotedText(std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\t': out += "\\t"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            default:
                if (byte >= 0x20 && byte < 0x7F) {
                    out += c;
                } else {
                    out += "\\x";
                    out += kDigits[byte >> 4];
                    out += kDigits[byte & 15];
                }
        }
    }
    return out + '"';
}

std::string TokenText(std::string_view text) {
    bool bare = !text.empty() && text[0] != '#';
    for (char c : text) bare = bare && IsBareByte(c);
    return bare ? std::string(text) : QuotedText(text);
}

std::vector<TextToken> TokenizeLine(std::string_view line, int lineNumber) {
    std::vector<TextToken> tokens;
    size_t at = 0;
    while (at < line.size()) {
        if (IsSeparator(line[at])) {
            ++at;
            continue;
        }
        const int column = static_cast<int>(at) + 1;
        if (tokens.empty() && line[at] == '#') break;
        if (line[at] == '"') {
            tokens.push_back({ReadQuoted(line, at, lineNumber), true, column});
        } else if (line[at] == '[' || line[at] == ']') {
            tokens.push_back({std::string(1, line[at++]), false, column});
        } else {
            const size_t start = at;
            while (at < line.size() && IsBareByte(line[at])) ++at;
            if (at == start) throw TextFileError{"this byte must be inside quotes", lineNumber, column};
            tokens.push_back({std::string(line.substr(start, at - start)), false, column});
        }
    }
    return tokens;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        at = end + 1;
    }
    return lines;
}

std::optional<int32_t> ParseDecimal(std::string_view text) {
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int32_t> ParseHex(std::string_view text) {
    uint32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return static_cast<int32_t>(value);
}

std::string Hex8(int32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", static_cast<uint32_t>(value));
    return digits;
}

}  // namespace parlevox
