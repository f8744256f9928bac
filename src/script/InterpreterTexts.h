#pragma once
// Every message a running script function can end with, in one place.
// "%s" takes a variable name or a long type string ("sai").
namespace parlevox::script_text {

inline constexpr const char* kPauseAbort = "User aborted script with Pause key.";
inline constexpr const char* kLongRunningHint =
    "The script currently running appears to be taking a long time.\n\nIf you would like to abort the script "
    "(because it seems to have got stuck) you can do so at any time after OK'ing this dialog box. Press and "
    "hold the Pause key to abort the script. If that doesn't work the first time, try repeatedly.";

// Assignment.
inline constexpr const char* kSetCountMismatch =
    "Attempt to set (=) a variable to a value with a different number of components than the variable.";
inline constexpr const char* kCannotConvert =
    "Attempt to set a variable of type %s to a value of type %s; but can't convert between those types.";
inline constexpr const char* kTypesDoNotMatch = "The types %s and %s do not match.";
inline constexpr const char* kArithmeticOnFunction =
    "Attempt to use arithmetic (+=, -=, *=, or /=) on a value including the type f (function).";
inline constexpr const char* kSubtractNotNumeric = "Attempt to subtract from value that is not numeric (of type %s).";
inline constexpr const char* kMultiplyNotNumeric = "Attempt to multiply value that is not numeric (of type %s).";
inline constexpr const char* kDivideNotNumeric = "Attempt to divide value that is not numeric (of type %s).";
inline constexpr const char* kIncrementNotNumber =
    "Attempt to increment or decrement (++ or --) a value that isn't a number.";
inline constexpr const char* kParameterTypes =
    "Variable assignment, in parameters or regular <> assignment, failed because the types did not match.";
inline constexpr const char* kClearNotArray = "Attempt to use the clear operator on something not of array type.";
inline constexpr const char* kReadOnly = "Attempt to write to variable %s, which is read-only from this function.";

// Conditions, by statement: while, do-while, for, if.
inline constexpr const char* kConditionCount[] = {
    "Expression in while loop must return only a single component.",
    "Expression in do-while loop must return only a single component.",
    "Expression in for loop must return only a single component.",
    "Expression in if statement must return only a single component.",
};
inline constexpr const char* kConditionType[] = {
    "Expression in while loop must be of type i or s.",
    "Expression in do-while loop must be of type i or s.",
    "Expression in for loop must be of type i or s.",
    "Expression in if statement must be of type i or s.",
};

// Subcomponents and arrays.
inline constexpr const char* kSubcomponentOfIndex = "Attempt to take subcomponent of an array index.";
inline constexpr const char* kComponentIndexType = "Component indices (within <>) must be of integer type.";
inline constexpr const char* kComponentIndexRange =
    "Component <> index is out of range (less than zero or greater than the number of subcomponents available-1).";
inline constexpr const char* kIndexOfIndex =
    "Attempt to take array index of an array index; two dimensional arrays don't exist in this language.";
inline constexpr const char* kIndexOfSeveral =
    "Attempt to take array index of a variable with more than one component isn't permitted.";
inline constexpr const char* kIndexOfScalar = "Attempt to take array index of a scalar (non-array) variable.";
inline constexpr const char* kArrayIndexType = "Array indices (within []) must be of integer type.";
inline constexpr const char* kArrayIndexNegative = "Array [] index is out of range (less than zero).";
inline constexpr const char* kArrayIndexPastEnd =
    "Array [] index is out of range (greater than the number of items available-1).";
inline constexpr const char* kIndexOfNonArrays =
    "Attempt to use the array index operator [] on a value which contains non-array types (%s).";
// An array may not grow past kMaxArrayItems; growing it further would only
// exhaust the client's memory.
inline constexpr const char* kArrayTooLarge = "Array [] index %i is too large: an array holds at most %i items.";

// Operators.
inline constexpr const char* kIncompatibleOperands =
    "Attempt to use binary operator (== != < > <= >= + - * / && ||) on values of incompatible type.";
inline constexpr const char* kCompareSeveral = "Attempt to use comparison operator %s on a value with more than one component.";
inline constexpr const char* kCompareKind = "Attempt to use comparison operator %s on a value of function or array type.";
inline constexpr const char* kAddFunctions = "Attempt to use arithmetic (+) on function values.";
inline constexpr const char* kOrLeftType = "Attempt to use boolean operator || on a value (LHS) of non-integer type.";
inline constexpr const char* kOrRightType = "Attempt to use boolean operator || on a value (RHS) of non-integer type.";
inline constexpr const char* kAndLeftType = "Attempt to use boolean operator && on a value (LHS) of non-integer type.";
inline constexpr const char* kAndRightType = "Attempt to use boolean operator && on a value (RHS) of non-integer type.";
inline constexpr const char* kUnaryNotInteger =
    "Attempt to apply a unary arithmetic operator (! or -) to a value containing non-integer data.";
inline constexpr const char* kDivideByZero = "Attempt to divide by zero.";
inline constexpr const char* kSizeOfSeveral = "Attempt to take # of an item with more than one component.";
inline constexpr const char* kSizeOfScalar = "Attempt to take # of non-array type.";
inline constexpr const char* kCallNotFunction =
    "Attempt to use the * [call function] on a variable of type other than variable.";

// IRC command lines.
inline constexpr const char* kUnterminatedPercent =
    "% in IRC-command (/ command) with no terminating %. Use %% if you want a real %, or %iNumber% to include "
    "variables.";
inline constexpr const char* kUnknownCommandVariable = "Couldn't find variable %s referenced in IRC-command (/command).";
inline constexpr const char* kCommandVariableNotScalar =
    "Variable %s referenced in IRC-command (/command) has more than one component or is an array type.";

// Limits that keep a running script from exhausting the stack.
inline constexpr const char* kNestedTooDeeply = "This function nests too deeply to run (more than %i levels).";
inline constexpr const char* kDamagedFunction = "This function's compiled form is damaged. Compile it again.";
inline constexpr const char* kCallsTooDeep = "Script functions call each other too deeply (more than %i calls in a row).";

}  // namespace parlevox::script_text
