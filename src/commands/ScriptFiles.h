#pragma once
// The text files scripts open with FileNew and FileOpen: each is held in
// memory as a list of lines under a handle until FileClose writes it back
// whole (every line followed by CR LF, through the safe save), so a file a
// script never closes is left as it was on disk. Every failure is a result,
// never an exception.
//
// Names: a name without "/" or "\\" is a file in "Script files/" of the
// program folder (made when the first file is written there). A name with
// either is a path, "\\" read as "/" as in every stored path of the client;
// a relative one resolves against the program folder, which the client
// treats as its working folder. ".." is allowed. ":" is an ordinary
// character here (there are no drive letters).
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace parlevox {

class ScriptFiles {
public:
    static constexpr const char* kFolder = "Script files/";
    // Beyond these FileNew and FileOpen give 0: open files, the size of one
    // file (a bigger one is refused before it is read), and all open files
    // together in memory.
    static constexpr size_t kMaxOpen = 1024;
    static constexpr uint64_t kMaxFileBytes = uint64_t{64} << 20;
    static constexpr uint64_t kMaxTotalBytes = uint64_t{256} << 20;
    static constexpr int32_t kNoHandle = 0;

    // programFolder: with or without a trailing "/"; empty means the
    // client's ProgramFolder.
    explicit ScriptFiles(std::string programFolder = {});
    void SetProgramFolder(std::string programFolder);
    std::string PathOf(std::string_view name) const;

    bool Full() const { return files_.size() >= kMaxOpen; }
    size_t OpenCount() const { return files_.size(); }

    // A handle, or kNoHandle: the name is empty or a folder, the table is
    // full, or (Open) the file is missing, unreadable or too big.
    int32_t New(std::string_view name);
    int32_t Open(std::string_view name);
    // Writes the lines back and drops the handle (also when the write
    // fails, so a failing disk cannot fill the table).
    bool Close(int32_t handle);
    // Empty for a handle or line number that is not valid.
    std::string ReadLine(int32_t handle, int32_t line) const;
    // Sets a line; the line count appends. False for anything else, or when
    // the file would grow past the size caps.
    bool WriteLine(int32_t handle, int32_t line, std::string text);
    // -1 for a handle that is not valid.
    int32_t NumLines(int32_t handle) const;
    // Files only, never folders; a rename never replaces an existing file.
    bool Rename(std::string_view from, std::string_view to) const;
    bool Delete(std::string_view name) const;

private:
    struct OpenFile {
        std::string path;
        std::vector<std::string> lines;
        uint64_t bytes = 0;  // as written: every line with its CR LF
    };
    int32_t Adopt(OpenFile file);
    int32_t NextHandle();
    const OpenFile* Find(int32_t handle) const;

    std::string programFolder_;
    std::unordered_map<int32_t, OpenFile> files_;
    uint64_t totalBytes_ = 0;
    int32_t counter_ = 0;
};

}  // namespace parlevox
