#include "common/ControlBytes.h"

namespace parlevox {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsControl(char c) {
    return static_cast<unsigned char>(c) < 32;
}

}  // namespace

bool IsFormattingCode(char c) {
    switch (c) {
        case 0x02: case 0x03: case 0x08: case 0x0F: case 0x16: case 0x1F: return true;
        default: return false;
    }
}

std::string StripControlCodes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\x03') {
            while (i + 1 < text.size() && IsDigit(text[i + 1])) ++i;
            if (i + 2 < text.size() && text[i + 1] == ',' && IsDigit(text[i + 2])) {
                ++i;
                while (i + 1 < text.size() && IsDigit(text[i + 1])) ++i;
            }
            continue;
        }
        if (!IsControl(c)) out += c;
    }
    return out;
}

std::string CleanField(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (!IsControl(c) && c != '\x7F') out += c;
    return out;
}

std::string CleanKeepingFormatting(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            out += ' ';
        else if (!IsControl(c) || IsFormattingCode(c))
            out += c;
    }
    return out;
}

}  // namespace parlevox
