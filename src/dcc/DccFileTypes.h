#pragma once
// The file-type table: which entry a received file falls under, where it
// is written, and the table's edits (entry 0, the catch-all, stays).
#include <cstddef>
#include <string>
#include <string_view>

#include "dcc/DccOptions.h"

namespace parlevox {

// The entry whose pattern equals the name's extension in upper case
// exactly; entry 0 when none does or the name has no extension.
const DccFileType& FileTypeFor(const DccOptions& options, std::string_view fileName);
// The entry's folder with a trailing "/"; a relative folder lies in the
// program folder (which ends with "/").
std::string TargetFolder(const DccFileType& type, const std::string& programFolder);

// Appends {pattern, save, the catch-all's folder}; the pattern as typed.
void AddFileType(DccOptions& options, std::string pattern);
// False for entry 0 or past the end.
bool DeleteFileType(DccOptions& options, size_t index);
// A removed plug-in's types save to disk again.
void ForgetPlugIn(DccOptions& options, const std::string& plugIn);
// Entry 0 as a fresh table has it, when a damaged store lost it.
void EnsureCatchAll(DccOptions& options);

}  // namespace parlevox
