// StrLeft, StrRight, StrMid, StrFind, StrMatch, StrUpper, StrLower,
// StrReplace, StrSplit, StrAscii, StrCharacter. Texts are bytes; counts and
// positions are script integers, clamped to the text whatever their sign or
// size. Every search is linear (TextSearch).
#include <algorithm>
#include <cstdint>

#include "commands/ScriptCommands.h"
#include "commands/TextSearch.h"
#include "common/TextHelpers.h"

namespace parlevox {
namespace {

using K = ParamKind;
using R = CommandResult::Type;

// The scripts' arrays hold at most this many items; StrSplit leaves the
// rest of a text with more pieces in the last one.
constexpr size_t kMaxPieces = size_t{1} << 20;
// A StrReplace result beyond this is not made: the text comes back as it was.
constexpr size_t kMaxReplaced = size_t{64} << 20;

size_t Clamp(int64_t count, size_t size) {
    return count <= 0 ? 0 : static_cast<size_t>(std::min<uint64_t>(static_cast<uint64_t>(count), size));
}

std::string Replaced(const std::string& text, const std::string& search, const std::string& replacement) {
    if (search.empty()) return text;  // nothing to find: not an endless run of empty matches
    const TextSearch finder(search);
    std::string out;
    size_t from = 0;
    for (size_t found = finder.FindIn(text); found != std::string::npos; found = finder.FindIn(text, from)) {
        out.append(text, from, found - from).append(replacement);
        from = found + search.size();
        if (out.size() > kMaxReplaced) return text;
    }
    out.append(text, from);
    return out.size() > kMaxReplaced ? text : out;
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    if (separator.empty()) return {text};
    const TextSearch finder(separator);
    std::vector<std::string> pieces;
    size_t from = 0;
    for (size_t found = finder.FindIn(text); found != std::string::npos && pieces.size() + 1 < kMaxPieces;
         found = finder.FindIn(text, from)) {
        pieces.emplace_back(text, from, found - from);
        from = found + separator.size();
    }
    pieces.emplace_back(text, from);
    return pieces;
}

}  // namespace

C_scStrLeft::C_scStrLeft() : CScriptCommand("StrLeft", {K::Rest, K::Integer}, R::String) {}
bool C_scStrLeft::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const std::string& text = args.Text(0);
    Give(call, text.substr(0, Clamp(args.Number(1), text.size())));
    return true;
}

C_scStrRight::C_scStrRight() : CScriptCommand("StrRight", {K::Rest, K::Integer}, R::String) {}
bool C_scStrRight::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const std::string& text = args.Text(0);
    Give(call, text.substr(text.size() - Clamp(args.Number(1), text.size())));
    return true;
}

// A negative start counts from 0; a start past the end gives nothing.
C_scStrMid::C_scStrMid() : CScriptCommand("StrMid", {K::Rest, K::Integer, K::Integer}, R::String) {}
bool C_scStrMid::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const std::string& text = args.Text(0);
    const size_t start = Clamp(args.Number(1), text.size());
    Give(call, text.substr(start, Clamp(args.Number(2), text.size() - start)));
    return true;
}

// Case counts; an empty search is found at 0.
C_scStrFind::C_scStrFind() : CScriptCommand("StrFind", {K::Rest, K::Rest}, R::Integer) {}
bool C_scStrFind::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const size_t found = TextSearch(args.Text(1)).FindIn(args.Text(0));
    Give(call, found == std::string::npos || found > INT32_MAX ? -1 : static_cast<int32_t>(found));
    return true;
}

C_scStrMatch::C_scStrMatch() : CScriptCommand("StrMatch", {K::Rest, K::Rest}, R::Integer) {}
bool C_scStrMatch::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    Give(call, WildcardMatchLinear(args.Text(0), args.Text(1)) ? 1 : 0);
    return true;
}

// The letters A to Z only, as every name the client compares.
C_scStrUpper::C_scStrUpper() : CScriptCommand("StrUpper", {K::Rest}, R::String) {}
bool C_scStrUpper::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    Give(call, ToUpper(args.Text(0)));
    return true;
}

C_scStrLower::C_scStrLower() : CScriptCommand("StrLower", {K::Rest}, R::String) {}
bool C_scStrLower::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    Give(call, ToLower(args.Text(0)));
    return true;
}

C_scStrReplace::C_scStrReplace() : CScriptCommand("StrReplace", {K::Rest, K::Rest, K::Rest}, R::String) {}
bool C_scStrReplace::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    Give(call, Replaced(args.Text(0), args.Text(1), args.Text(2)));
    return true;
}

// An empty separator, or one that does not occur, gives the whole text as
// the one piece.
C_scStrSplit::C_scStrSplit() : CScriptCommand("StrSplit", {K::Rest, K::Rest}, R::StringArray) {}
bool C_scStrSplit::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    Give(call, Split(args.Text(0), args.Text(1)));
    return true;
}

// 0 to 255; the empty word gives 0, the code that ends a text.
C_scStrAscii::C_scStrAscii() : CScriptCommand("StrAscii", {K::Word}, R::Integer) {}
bool C_scStrAscii::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const std::string& word = args.Text(0);
    Give(call, word.empty() ? 0 : static_cast<int32_t>(static_cast<unsigned char>(word[0])));
    return true;
}

// The byte of the code taken modulo 256 (-1 is 255, 256 is 0); code 0 ends
// a text, so it gives the empty text.
C_scStrCharacter::C_scStrCharacter() : CScriptCommand("StrCharacter", {K::Integer}, R::String) {}
bool C_scStrCharacter::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment&) {
    const auto byte = static_cast<unsigned char>(static_cast<uint32_t>(args.Number(0)) & 0xFFu);
    Give(call, byte == 0 ? std::string() : std::string(1, static_cast<char>(byte)));
    return true;
}

}  // namespace parlevox
