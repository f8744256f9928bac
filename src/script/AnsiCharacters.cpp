#include "script/AnsiCharacters.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace parlevox {

namespace {

enum CharClass : uint8_t { kOther = 0, kDigit = 1, kUpper = 2, kLower = 4, kCaseless = 8 };

constexpr std::array<uint8_t, 256> MakeTable() {
    std::array<uint8_t, 256> table{};
    for (int c = '0'; c <= '9'; ++c) table[c] = kDigit;
    for (int c = 'A'; c <= 'Z'; ++c) table[c] = kUpper;
    for (int c = 'a'; c <= 'z'; ++c) table[c] = kLower;
    // S, OE and Z with caron, Y with diaeresis, and their small forms.
    for (int c : {0x8A, 0x8C, 0x8E, 0x9F}) table[c] = kUpper;
    for (int c : {0x9A, 0x9C, 0x9E, 0xFF}) table[c] = kLower;
    // Letters without a case partner in the code page: f with hook, the
    // ordinal indicators, micro sign and sharp s.
    for (int c : {0x83, 0xAA, 0xB5, 0xBA, 0xDF}) table[c] = kCaseless;
    for (int c = 0xC0; c <= 0xDE; ++c) table[c] = kUpper;
    for (int c = 0xE0; c <= 0xFE; ++c) table[c] = kLower;
    table[0xD7] = kOther;  // multiplication sign
    table[0xF7] = kOther;  // division sign
    return table;
}

constexpr std::array<uint8_t, 256> kTable = MakeTable();

uint8_t ClassOf(char c) { return kTable[static_cast<unsigned char>(c)]; }

}  // namespace

bool IsAnsiAlphanumeric(char c) { return ClassOf(c) != kOther; }

bool IsAnsiLowercase(char c) { return ClassOf(c) == kLower; }

bool IsAnsiUppercase(char c) { return ClassOf(c) == kUpper; }

bool HasAnsiLowercase(std::string_view text) { return std::any_of(text.begin(), text.end(), IsAnsiLowercase); }

}  // namespace parlevox
