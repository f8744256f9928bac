#pragma once
// The program's own consistency checks report here and carry on.
#include <cstdint>
#include <string>

namespace parlevox {

// Shows the report box through the current UserInterface and returns.
void InternalErrorReport(const char* sourceFile, int line);

// The code printed in the box: identifies the call site.
uint32_t InternalErrorCode(const std::string& fileName, int line);

// Fetches the text of errno and shows it in a "GetLastError" box.
void ShowLastSystemError();

}  // namespace parlevox

#define PARLEVOX_INTERNAL_ERROR() ::parlevox::InternalErrorReport(__FILE__, __LINE__)
