#pragma once
// The REGEDIT4 export text of the store below HKEY_CURRENT_USER:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\quornwright\Parlevox\Colours]
//   "Font name"="Fixedsys"
//   "Colour1"=dword:0000001a
//   "Picture"=hex:01,02,03
//   @="the default value"
//
// Quoted text escapes "\" and a double quote with a backslash; a string
// holding any byte below 0x20 is written as hex(1): with its bytes and the
// terminating zero, so every byte string comes back exactly. Long hex data
// is wrapped with a trailing "\". Value names escape bytes below 0x20 as
// \xHH. Keys whose names cannot stand in a key line (empty, or holding "\",
// CR or LF) and keys deeper than kMaxKeyDepth stay in memory only.
#include <string>
#include <string_view>

#include "platform/Registry.h"

namespace parlevox {

class RegeditText {
public:
    static constexpr std::string_view kHeader = "REGEDIT4";
    static constexpr std::string_view kHive = "HKEY_CURRENT_USER";
    // Deeper key lines are skipped when read, and deeper keys made in memory
    // are not written. Every key line spells its whole path, so the text
    // grows with depth times the number of keys; 32 levels is far beyond
    // what the settings use (a handful of levels) and keeps that growth small.
    static constexpr size_t kMaxKeyDepth = 32;

    struct ReadResult {
        int skippedLines = 0;  // logical lines (a wrapped hex value is one)
        bool changed = false;  // a key or value was added or replaced
    };

    static std::string Write(const RegistryKey& root);
    // Merges the text into root. Lines that cannot be read are skipped;
    // lines of other hives are ignored. Never trusts the text.
    static ReadResult Read(std::string_view text, RegistryKey& root);
};

}  // namespace parlevox
