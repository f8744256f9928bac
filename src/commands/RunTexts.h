#pragma once
// The texts of "/run" and the scripts' Run command.

namespace parlevox::texts {

// The question before a program that is not on the allow list starts: the
// resolved path, a blank when there are arguments (else nothing), the
// arguments.
inline constexpr const char* kRunQuestionTitle = "Parlevox";
inline constexpr const char* kRunQuestion =
    "Parlevox has been asked (either by you or a script) to launch the program %s%s%s.\n\nIf you are not sure why "
    "this is happening, you should click \"Cancel\" in case the script intends to cause damage to your files using "
    "this program.\n\nOtherwise - if you do want to allow this program to run - would you like to *always* allow "
    "it to run without being asked in future? If you are sure it is completely safe, you can allow this by clicking "
    "\"Yes\". Otherwise, click \"No\" to allow the program to run this once and be asked in future.\n\n";
// Slot 14, the path as given, slot 13.
inline constexpr const char* kRunFailed =
    "%s! Attempt to run the program %s failed. %sAlways specify the full path.";

}  // namespace parlevox::texts
