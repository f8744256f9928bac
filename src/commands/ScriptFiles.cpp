#include "commands/ScriptFiles.h"

#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

namespace fs = std::filesystem;

constexpr uint64_t kLineEndBytes = 2;  // CR LF

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// The whole file, or nothing when it is not a plain file, cannot be read or
// holds more than the cap (checked before reading, and again while reading
// in case it grows meanwhile).
std::optional<std::string> ReadCapped(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return std::nullopt;
    const uintmax_t size = fs::file_size(path, error);
    if (error || size > ScriptFiles::kMaxFileBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
        if (bytes.size() > ScriptFiles::kMaxFileBytes) return std::nullopt;
    }
    if (in.bad()) return std::nullopt;
    return bytes;
}

// Lines end at LF, a CR before it is dropped; a last line without an end
// still counts, an end at the very end makes no empty line after it.
std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
        if (end == std::string_view::npos) end = bytes.size();
        if (end > start && bytes[end - 1] == '\r') --end;
        lines.emplace_back(bytes.substr(start, end - start));
        start = next;
    }
    return lines;
}

}  // namespace

ScriptFiles::ScriptFiles(std::string programFolder) : programFolder_(WithSlash(std::move(programFolder))) {}

void ScriptFiles::SetProgramFolder(std::string programFolder) { programFolder_ = WithSlash(std::move(programFolder)); }

std::string ScriptFiles::PathOf(std::string_view name) const {
    const std::string folder = programFolder_.empty() ? ProgramFolder::Path() : programFolder_;
    if (name.find_first_of("/\\") == std::string_view::npos) return folder + kFolder + std::string(name);
    std::string path = ProgramFolder::ToFileSystemPath(name);
    return path.front() == '/' ? path : folder + path;
}

int32_t ScriptFiles::New(std::string_view name) {
    if (name.empty() || Full()) return kNoHandle;
    std::string path = PathOf(name);
    if (IsFolder(path)) return kNoHandle;
    return Adopt(OpenFile {std::move(path), {}, 0});
}

int32_t ScriptFiles::Open(std::string_view name) {
    if (name.empty() || Full()) return kNoHandle;
    std::string path = PathOf(name);
    std::optional<std::string> bytes = ReadCapped(path);
    if (!bytes) return kNoHandle;
    OpenFile file {std::move(path), SplitLines(*bytes), 0};
    for (const std::string& line : file.lines) file.bytes += line.size() + kLineEndBytes;
    if (totalBytes_ + file.bytes > kMaxTotalBytes) return kNoHandle;
    return Adopt(std::move(file));
}

int32_t ScriptFiles::Adopt(OpenFile file) {
    const int32_t handle = NextHandle();
    totalBytes_ += file.bytes;
    files_.emplace(handle, std::move(file));
    return handle;
}

// Counts up from 1; after the largest integer it starts again at 1,
// skipping handles still open, so 0 is never one.
int32_t ScriptFiles::NextHandle() {
    do {
        counter_ = counter_ == INT32_MAX ? 1 : counter_ + 1;
    } while (files_.contains(counter_));
    return counter_;
}

const ScriptFiles::OpenFile* ScriptFiles::Find(int32_t handle) const {
    auto found = files_.find(handle);
    return found == files_.end() ? nullptr : &found->second;
}

bool ScriptFiles::Close(int32_t handle) {
    auto found = files_.find(handle);
    if (found == files_.end()) return false;
    const OpenFile file = std::move(found->second);
    files_.erase(found);
    totalBytes_ -= file.bytes;
    std::string bytes;
    bytes.reserve(file.bytes);
    for (const std::string& line : file.lines) bytes.append(line).append("\r\n");
    return SafeFile::WriteAtomically(file.path, bytes);
}

std::string ScriptFiles::ReadLine(int32_t handle, int32_t line) const {
    const OpenFile* file = Find(handle);
    if (!file || line < 0 || static_cast<size_t>(line) >= file->lines.size()) return {};
    return file->lines[static_cast<size_t>(line)];
}

bool ScriptFiles::WriteLine(int32_t handle, int32_t line, std::string text) {
    auto found = files_.find(handle);
    if (found == files_.end() || line < 0) return false;
    OpenFile& file = found->second;
    const size_t index = static_cast<size_t>(line);
    if (index > file.lines.size()) return false;
    const bool appends = index == file.lines.size();
    const uint64_t removed = appends ? 0 : file.lines[index].size() + kLineEndBytes;
    const uint64_t added = text.size() + kLineEndBytes;
    if (file.bytes - removed + added > kMaxFileBytes || totalBytes_ - removed + added > kMaxTotalBytes) return false;
    if (appends) file.lines.push_back(std::move(text));
    else file.lines[index] = std::move(text);
    file.bytes = file.bytes - removed + added;
    totalBytes_ = totalBytes_ - removed + added;
    return true;
}

int32_t ScriptFiles::NumLines(int32_t handle) const {
    const OpenFile* file = Find(handle);
    // The size cap keeps the count far below the largest integer.
    return file ? static_cast<int32_t>(file->lines.size()) : -1;
}

bool ScriptFiles::Rename(std::string_view from, std::string_view to) const {
    if (from.empty() || to.empty()) return false;
    const std::string source = PathOf(from);
    const std::string target = PathOf(to);
    std::error_code error;
    if (!fs::is_regular_file(source, error)) return false;
    if (fs::exists(fs::symlink_status(target, error)) || (error && error != std::errc::no_such_file_or_directory))
        return false;
    fs::rename(source, target, error);
    return !error;
}

bool ScriptFiles::Delete(std::string_view name) const {
    if (name.empty()) return false;
    const std::string path = PathOf(name);
    std::error_code error;
    if (!fs::is_regular_file(path, error)) return false;
    return fs::remove(path, error) && !error;
}

}  // namespace parlevox
