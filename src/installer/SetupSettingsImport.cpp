#include "installer/SetupSettingsImport.h"

#include <optional>
#include <string>

namespace parlevox {
namespace {

constexpr size_t kMaxLineLength = 512;  // a line this long ends the import
constexpr std::string_view kDwordPrefix = "dword:";
constexpr size_t kMaxDwordDigits = 8;

// Where value lines go: a key of the store, or a key of a root nothing on
// Linux reads, whose values are checked and dropped.
struct CurrentKey {
    std::string path;
    bool dropped = false;
};

bool IsKnownRoot(std::string_view root) {
    return root == "HKEY_CURRENT_USER" || root == "HKEY_LOCAL_MACHINE" || root == "HKEY_CLASSES_ROOT";
}

// "[ROOT\path]" or "[ROOT]"; nothing (a failed import) for another root or
// a line without its closing bracket.
std::optional<CurrentKey> ParseKeyLine(std::string_view line) {
    line.remove_prefix(1);
    const size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    line = line.substr(0, close);
    const size_t slash = line.find('\\');
    const std::string_view root = line.substr(0, slash);
    if (!IsKnownRoot(root)) return std::nullopt;
    const std::string_view path = slash == std::string_view::npos ? std::string_view() : line.substr(slash + 1);
    return CurrentKey{std::string(path), root != "HKEY_CURRENT_USER"};
}

std::optional<uint32_t> ParseDword(std::string_view digits) {
    if (digits.empty() || digits.size() > kMaxDwordDigits) return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        uint32_t digit;
        if (c >= '0' && c <= '9') {
            digit = static_cast<uint32_t>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<uint32_t>(c - 'a' + 10);
        } else {
            return std::nullopt;
        }
        value = value << 4 | digit;
    }
    return value;
}

// "\"name\"=\"text\"" or "\"name\"=dword:hex"; nothing when malformed.
std::optional<std::pair<std::string_view, RegistryValue>> ParseValueLine(std::string_view line) {
    line.remove_prefix(1);
    const size_t nameEnd = line.find('"');
    if (nameEnd == std::string_view::npos || line.substr(nameEnd + 1, 1) != "=") return std::nullopt;
    const std::string_view name = line.substr(0, nameEnd);
    std::string_view data = line.substr(nameEnd + 2);
    if (data.starts_with('"')) {
        // As written: the file has no escapes, so "Sound\\" keeps both backslashes.
        const size_t textEnd = data.find('"', 1);
        if (textEnd == std::string_view::npos) return std::nullopt;
        return std::pair{name, RegistryValue::FromString(data.substr(1, textEnd - 1))};
    }
    if (!data.starts_with(kDwordPrefix)) return std::nullopt;
    const std::optional<uint32_t> value = ParseDword(data.substr(kDwordPrefix.size()));
    if (!value) return std::nullopt;
    return std::pair{name, RegistryValue::FromDword(*value)};
}

}  // namespace

bool ImportSetupSettings(std::string_view text, bool upgrade, Registry& store) {
    std::optional<CurrentKey> current;
    for (;;) {
        const size_t end = text.find_first_of("\r\n");
        // A last line without its end is not applied; nor is a line too long.
        if (end == std::string_view::npos || end >= kMaxLineLength) return true;
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.starts_with('!') && upgrade) return true;
        if (line.starts_with('[')) {
            current = ParseKeyLine(line);
            if (!current) return false;
            if (!current->dropped) store.CreateKey(current->path);
        } else if (line.starts_with('"')) {
            auto value = ParseValueLine(line);
            if (!current || !value) return false;
            if (!current->dropped) store.SetValue(current->path, value->first, std::move(value->second));
        }
    }
}

}  // namespace parlevox
