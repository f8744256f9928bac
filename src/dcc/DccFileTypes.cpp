#include "dcc/DccFileTypes.h"

#include "common/TextHelpers.h"

namespace parlevox {
namespace {

std::string UpperExtension(std::string_view fileName) {
    const size_t dot = fileName.rfind('.');
    std::string extension(dot == std::string_view::npos ? std::string_view() : fileName.substr(dot + 1));
    for (char& c : extension)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return extension;
}

}  // namespace

const DccFileType& FileTypeFor(const DccOptions& options, std::string_view fileName) {
    const std::string extension = UpperExtension(fileName);
    for (size_t i = 1; i < options.fileTypes.size() && !extension.empty(); ++i)
        if (options.fileTypes[i].pattern == extension) return options.fileTypes[i];
    return options.fileTypes.front();
}

std::string TargetFolder(const DccFileType& type, const std::string& programFolder) {
    std::string folder = type.folder;
    for (char& c : folder)
        if (c == '\\') c = '/';
    if (folder.empty() || folder.front() != '/') folder = programFolder + folder;
    if (folder.back() != '/') folder += '/';
    return folder;
}

void AddFileType(DccOptions& options, std::string pattern) {
    EnsureCatchAll(options);
    options.fileTypes.push_back({std::move(pattern), dcc_action::kSave, options.fileTypes.front().folder, "", ""});
}

bool DeleteFileType(DccOptions& options, size_t index) {
    if (index == 0 || index >= options.fileTypes.size()) return false;
    options.fileTypes.erase(options.fileTypes.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

void ForgetPlugIn(DccOptions& options, const std::string& plugIn) {
    for (DccFileType& type : options.fileTypes)
        if (type.action == dcc_action::kPlugIn && type.plugIn == plugIn) type.action = dcc_action::kSave;
}

void EnsureCatchAll(DccOptions& options) {
    if (options.fileTypes.empty() || options.fileTypes.front().pattern != DccOptions::kCatchAll)
        options.fileTypes.insert(options.fileTypes.begin(), DccOptions().fileTypes.front());
}

}  // namespace parlevox
