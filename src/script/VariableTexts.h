#pragma once
// The texts the variable store shows: name errors, stored-form errors and
// the run-time resolution failures (script errors).
namespace parlevox {

inline constexpr const char* kInvalidTypeInName = "Invalid type in variable name; expecting i,f,s, or a.";
inline constexpr const char* kInvalidTypeAfterA = "Invalid type in variable name; expecting i,f,or s after a.";
inline constexpr const char* kTooManyTypesInName = "Too many types in variable name; at most 256.";
inline constexpr const char* kErrorAddingVariableTitle = "Error adding variable";

// Stored data that is complete but cannot be a variable (an unknown type
// or access code, a value that does not fit its name).
inline constexpr const char* kModuleCorrupt =
    "Loading module file failed because it is corrupt (not a valid module file).";

inline constexpr const char* kLocalDeleted = "A required local variable for this function has been deleted.";
inline constexpr const char* kModuleWideDeleted =
    "A required module-wide variable for this function has been deleted.";
inline constexpr const char* kSystemMissing = "A required system variable for this function doesn't exist.";
inline constexpr const char* kGlobalModuleRemoved =
    "A module containing a required global variable for this script function has been removed from the system.";
inline constexpr const char* kGlobalDeleted = "A required global variable for this script function has been deleted.";

}  // namespace parlevox
