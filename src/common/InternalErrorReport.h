#pragma once
// The program's own consistency checks report here and carry on.
#include <cstdint>
#include <functional>
#include <string>

#include "common/MessageBox.h"

namespace parlevox {

// Where the report boxes go. The front end installs it (through the user
// interface); until then they are written to stderr.
using InternalErrorSink = std::function<void(const MessageBoxRequest&)>;
void SetInternalErrorSink(InternalErrorSink sink);

// Shows the report box through the sink and returns.
void InternalErrorReport(const char* sourceFile, int line);

// The code printed in the box: identifies the call site.
uint32_t InternalErrorCode(const std::string& fileName, int line);

// Fetches the text of errno and shows it in a "GetLastError" box.
void ShowLastSystemError();

}  // namespace parlevox

#define PARLEVOX_INTERNAL_ERROR() ::parlevox::InternalErrorReport(__FILE__, __LINE__)
