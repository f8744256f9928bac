#include "platform/RegeditText.h"

#include <optional>

#include <fmt/format.h>

#include "common/TextHelpers.h"

namespace parlevox {
namespace {

constexpr size_t kHexLineWidth = 76;  // wrap point of long hex lines
constexpr char kHexDigits[] = "0123456789abcdef";

// ---- writing -------------------------------------------------------------

bool WritableKeyName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\\r\n") == std::string::npos;
}

void AppendHexByte(std::string& out, char c) {
    auto byte = static_cast<unsigned char>(c);
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 15];
}

std::string QuoteName(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\x";
            AppendHexByte(out, c);
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string QuoteText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + '"';
}

bool NeedsHexForm(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

// Comma-separated bytes; a line that grows past the width ends in "\" and
// goes on, indented, on the next.
void AppendHex(std::string& out, size_t lineStart, std::string_view bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (out.size() - lineStart > kHexLineWidth) {
            out += "\\\n  ";
            lineStart = out.size() - 2;
        }
        AppendHexByte(out, bytes[i]);
        if (i + 1 < bytes.size()) out += ',';
    }
}

void WriteValue(std::string& out, const std::string& name, const RegistryValue& value) {
    size_t lineStart = out.size();
    out += name.empty() ? "@" : QuoteName(name);
    out += '=';
    if (value.type == RegistryType::String && !NeedsHexForm(value.data)) {
        out += QuoteText(value.data);
    } else if (value.type == RegistryType::String) {
        out += "hex(1):";
        AppendHex(out, lineStart, value.data + '\0');
    } else if (auto number = value.AsDword()) {
        out += fmt::format("dword:{:08x}", *number);
    } else {
        // Binary, and DWORD values of the wrong size, keep their bytes.
        out += value.type == RegistryType::Binary ? std::string("hex:")
                                                  : fmt::format("hex({:x}):", static_cast<uint32_t>(value.type));
        AppendHex(out, lineStart, value.data);
    }
    out += '\n';
}

void WriteKey(std::string& out, const RegistryKey& key, const std::string& path, size_t depth);

// The children of a key at `depth` (the hive is 0).
void WriteSubkeys(std::string& out, const RegistryKey& key, const std::string& path, size_t depth) {
    if (depth == RegeditText::kMaxKeyDepth) return;
    for (const auto& entry : key.subkeys) {
        const RegistryKey& child = *entry.second;
        if (WritableKeyName(child.name)) WriteKey(out, child, path + '\\' + child.name, depth + 1);
    }
}

void WriteKey(std::string& out, const RegistryKey& key, const std::string& path, size_t depth) {
    out += '[' + path + "]\n";
    for (const auto& [name, value] : key.values) WriteValue(out, name, value);
    out += '\n';
    WriteSubkeys(out, key, path, depth);
}

// ---- reading -------------------------------------------------------------

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// Lines end at CR, LF or CRLF; each comes back without blanks around it.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line) {
        if (position_ >= text_.size()) return false;
        line = LineAt(position_, position_);
        return true;
    }
    // The line Next would give; empty at the end.
    std::string_view Peek() const {
        size_t ignored = 0;
        return position_ < text_.size() ? LineAt(position_, ignored) : std::string_view();
    }

private:
    std::string_view LineAt(size_t start, size_t& next) const {
        size_t end = text_.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text_.size();
        next = end + 1;
        if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') next = end + 2;
        return Trim(text_.substr(start, end - start));
    }

    std::string_view text_;
    size_t position_ = 0;
};

struct Quoted {
    std::string text;
    size_t end;  // just after the closing quote
};

// A double-quoted text starting at line[start]; \\, \" and \xHH are escapes,
// any other backslash stands for itself.
std::optional<Quoted> ReadQuoted(std::string_view line, size_t start) {
    std::string text;
    for (size_t i = start + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') return Quoted {std::move(text), i + 1};
        char next = i + 1 < line.size() ? line[i + 1] : '\0';
        if (c == '\\' && (next == '\\' || next == '"')) {
            text += next;
            ++i;
        } else if (c == '\\' && next == 'x' && i + 3 < line.size() && HexValue(line[i + 2]) >= 0 &&
                   HexValue(line[i + 3]) >= 0) {
            text += static_cast<char>(HexValue(line[i + 2]) * 16 + HexValue(line[i + 3]));
            i += 3;
        } else {
            text += c;
        }
    }
    return std::nullopt;  // no closing quote
}

// "01,02,ff": exactly two hex digits per byte.
std::optional<std::string> ParseHexList(std::string_view list) {
    std::string bytes;
    if (Trim(list).empty()) return bytes;
    while (true) {
        size_t comma = list.find(',');
        std::string_view token = Trim(list.substr(0, comma));
        if (token.size() != 2 || HexValue(token[0]) < 0 || HexValue(token[1]) < 0) return std::nullopt;
        bytes += static_cast<char>(HexValue(token[0]) * 16 + HexValue(token[1]));
        if (comma == std::string_view::npos) return bytes;
        list.remove_prefix(comma + 1);
    }
}

std::optional<uint32_t> ParseDwordDigits(std::string_view digits) {
    if (digits.size() != 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        int digit = HexValue(c);
        if (digit < 0) return std::nullopt;
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

// "hex:" is REG_BINARY; "hex(N):" names the type. The rest after the colon
// comes back in rest.
std::optional<uint32_t> ParseHexType(std::string_view data, std::string_view& rest) {
    if (StartsWithIgnoringCase(data, "hex:")) {
        rest = data.substr(4);
        return static_cast<uint32_t>(RegistryType::Binary);
    }
    if (!StartsWithIgnoringCase(data, "hex(")) return std::nullopt;
    size_t close = data.find("):");
    if (close == std::string_view::npos || close <= 4 || close > 12) return std::nullopt;
    uint32_t type = 0;
    for (char c : data.substr(4, close - 4)) {
        if (HexValue(c) < 0) return std::nullopt;
        type = type << 4 | static_cast<uint32_t>(HexValue(c));
    }
    rest = data.substr(close + 2);
    return type;
}

class Reader {
public:
    Reader(std::string_view text, RegistryKey& root) : lines_(text), root_(root) {}

    RegeditText::ReadResult Run() {
        std::string_view line;
        while (lines_.Next(line)) {
            if (line.empty() || line.front() == ';' || line == RegeditText::kHeader) continue;
            if (line.front() == '[')
                ReadKeyLine(line);
            else if (line.front() == '"' || line.front() == '@')
                ReadValueLine(line);
            else
                Skip();
        }
        return result_;
    }

private:
    enum class Target { None, OtherHive, Key };

    void Skip() { ++result_.skippedLines; }

    void ReadKeyLine(std::string_view line) {
        // Values after a key line that cannot be read must not land in the
        // key before it.
        target_ = Target::None;
        key_ = nullptr;
        if (line.size() < 2 || line.back() != ']') return Skip();
        std::string_view inner = line.substr(1, line.size() - 2);
        size_t cut = inner.find('\\');
        std::string_view hive = inner.substr(0, cut);
        if (!EqualsIgnoringCase(hive, RegeditText::kHive)) {
            if (StartsWithIgnoringCase(hive, "HKEY_")) target_ = Target::OtherHive;
            else Skip();
            return;
        }
        std::vector<std::string_view> parts =
            Registry::SplitPath(cut == std::string_view::npos ? std::string_view() : inner.substr(cut + 1));
        if (parts.size() > RegeditText::kMaxKeyDepth) return Skip();
        RegistryKey* key = &root_;
        for (std::string_view part : parts) {
            RegistryKey* next = key->Find(part);
            if (!next) {
                next = &key->Create(part);
                result_.changed = true;
            }
            key = next;
        }
        key_ = key;
        target_ = Target::Key;
    }

    void ReadValueLine(std::string_view line) {
        std::string name;
        size_t position = 1;
        if (line.front() == '"') {
            std::optional<Quoted> quoted = ReadQuoted(line, 0);
            if (!quoted) return Skip();
            name = std::move(quoted->text);
            position = quoted->end;
        }
        while (position < line.size() && IsBlank(line[position])) ++position;
        if (position >= line.size() || line[position] != '=') return Skip();
        // Read the data even under an ignored key: its wrapped lines go too.
        std::optional<RegistryValue> value = ReadData(Trim(line.substr(position + 1)));
        if (target_ == Target::OtherHive) return;
        if (!value || target_ == Target::None) return Skip();
        key_->values[name] = std::move(*value);
        result_.changed = true;
    }

    std::optional<RegistryValue> ReadData(std::string_view data) {
        if (!data.empty() && data.front() == '"') {
            std::optional<Quoted> quoted = ReadQuoted(data, 0);
            if (!quoted || quoted->end != data.size()) return std::nullopt;
            return RegistryValue::FromString(quoted->text);
        }
        if (StartsWithIgnoringCase(data, "dword:")) {
            std::optional<uint32_t> number = ParseDwordDigits(data.substr(6));
            if (!number) return std::nullopt;
            return RegistryValue::FromDword(*number);
        }
        std::string_view rest;
        std::optional<uint32_t> type = ParseHexType(data, rest);
        if (!type) return std::nullopt;
        std::optional<std::string> bytes = ReadHexBytes(rest);
        if (!bytes) return std::nullopt;
        switch (static_cast<RegistryType>(*type)) {
        case RegistryType::String:
            if (!bytes->empty() && bytes->back() == '\0') bytes->pop_back();
            return RegistryValue::FromString(*bytes);
        case RegistryType::Binary:
            return RegistryValue::FromBinary(*bytes);
        case RegistryType::Dword:
            return RegistryValue {RegistryType::Dword, std::move(*bytes)};
        }
        return std::nullopt;  // a type the store does not keep
    }

    // Joins the wrapped lines of one hex value. A continuation must start
    // with a hex digit, so a truncated value never swallows the next key.
    std::optional<std::string> ReadHexBytes(std::string_view first) {
        std::string joined(first);
        while (!joined.empty() && joined.back() == '\\') {
            joined.pop_back();
            std::string_view next = lines_.Peek();
            if (next.empty() || HexValue(next.front()) < 0) return std::nullopt;
            lines_.Next(next);
            joined += next;
        }
        return ParseHexList(joined);
    }

    LineCursor lines_;
    RegistryKey& root_;
    RegistryKey* key_ = nullptr;
    Target target_ = Target::None;
    RegeditText::ReadResult result_;
};

}  // namespace

std::string RegeditText::Write(const RegistryKey& root) {
    std::string out = std::string(kHeader) + "\n\n";
    std::string hive(kHive);
    if (!root.values.empty()) {
        out += '[' + hive + "]\n";
        for (const auto& [name, value] : root.values) WriteValue(out, name, value);
        out += '\n';
    }
    WriteSubkeys(out, root, hive, 0);
    return out;
}

RegeditText::ReadResult RegeditText::Read(std::string_view text, RegistryKey& root) {
    return Reader(text, root).Run();
}

}  // namespace parlevox
