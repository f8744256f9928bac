#pragma once
// Scheme files: a 16-byte header text, the record count and the size of the
// record data, then the record data as one zlib stream. Each record is a
// 68-byte head (name and type as 32-byte texts, data length) and its data.
// Files come from strangers: every count and length is checked before it is
// trusted, and a failure is a TextError carrying the message the user sees.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "display/Scheme.h"

namespace parlevox {

struct SchemeRecord {
    std::string name;
    std::string type;
    size_t offset = 0;  // of the data, in the record data
    uint32_t length = 0;
};

// The record data of one file, inflated and walked, used in place.
class SchemeFileReader {
public:
    // The declared size of the record data is refused above this before
    // anything is allocated (a zlib bomb stops here too).
    static constexpr uint32_t kMaxDataSize = 64u << 20;

    // The whole file read and checked; throws TextError.
    static SchemeFileReader FromFile(const std::string& path);
    static SchemeFileReader FromBytes(std::string_view file);

    int RecordCount() const { return static_cast<int>(records_.size()); }
    const SchemeRecord& Record(int index) const { return records_[static_cast<size_t>(index)]; }
    std::string_view Data(int index) const;

private:
    std::string data_;
    std::vector<SchemeRecord> records_;
};

// Create with the record count, append records, finish: the header, the
// size and the compressed data go to the file in one safe save.
class SchemeFileWriter {
public:
    SchemeFileWriter(std::string path, uint32_t recordCount);
    void Append(std::string_view name, std::string_view type, std::string_view data);
    // Throws TextError; the old file is left as it was on any failure.
    void Finish();
    // The bytes Finish writes.
    std::string Bytes() const;

private:
    std::string path_;
    uint32_t recordCount_;
    uint32_t appended_ = 0;
    std::string records_;
};

// Reads and builds a scheme; throws TextError with the reader's message.
CScheme ReadSchemeFile(const std::string& path);
CScheme SchemeFromBytes(std::string_view file);
// Writes the scheme; throws TextError.
void WriteSchemeFile(const std::string& path, const CScheme& scheme);
std::string SchemeFileBytes(const CScheme& scheme);

// A sound item from a wave file, named by the file's name; throws TextError.
CSchemeSound LoadSchemeSound(const std::string& path);

}  // namespace parlevox
