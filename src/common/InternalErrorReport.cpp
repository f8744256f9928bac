#include "common/InternalErrorReport.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fmt/printf.h>

namespace parlevox {
namespace {

constexpr const char* kArrayFileName = "vec.h";

constexpr const char* kArrayReport =
    "An unexpected error has occured in the program and it will probably crash when you OK this dialog box.\n\n"
    "If you report this bug, please give this number/code precisely: %x. Also explain what you were doing at the "
    "time, and what happens after you click OK on this box (write down the code first, though).";

constexpr const char* kGeneralReport =
    "An unexpected event has occured in the program. This is probably the result of a bug.\n\n"
    "Please note down the following information:\n\n%s %i -- %x\n\n"
    "Do not click OK until you have written down this information. In your bug report, explain also what happened "
    "after you clicked OK here (did the program crash or not).";

void WriteToStderr(const MessageBoxRequest& box) {
    std::fprintf(stderr, "[%s] %s\n", box.title.c_str(), box.text.c_str());
}

InternalErrorSink& Sink() {
    static InternalErrorSink sink = WriteToStderr;
    return sink;
}

std::string BaseName(const char* path) {
    std::string name = path ? path : "";
    size_t cut = name.find_last_of("\\/");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

}  // namespace

void SetInternalErrorSink(InternalErrorSink sink) {
    Sink() = sink ? std::move(sink) : InternalErrorSink(WriteToStderr);
}

uint32_t InternalErrorCode(const std::string& fileName, int line) {
    uint32_t hash = 2166136261u;  // FNV-1a over the name, then the line
    for (unsigned char c : fileName) hash = (hash ^ c) * 16777619u;
    return hash ^ static_cast<uint32_t>(line);
}

void InternalErrorReport(const char* sourceFile, int line) {
    std::string name = BaseName(sourceFile);
    uint32_t code = InternalErrorCode(name, line);
    MessageBoxRequest box;
    box.icon = MessageIcon::Exclamation;
    box.buttons = MessageButtons::Ok;
    box.title = "Parlevox";
    if (name == kArrayFileName)
        box.text = fmt::sprintf(kArrayReport, code);
    else
        box.text = fmt::sprintf(kGeneralReport, name, line, code);
    Sink()(box);
}

void ShowLastSystemError() {
    int error = errno;
    MessageBoxRequest box;
    box.title = "GetLastError";
    box.text = std::strerror(error);
    box.icon = MessageIcon::Information;
    Sink()(box);
}

}  // namespace parlevox
