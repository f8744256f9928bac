#include "display/SchemeFile.h"

#include <zlib.h>

#include <cstring>
#include <new>
#include <optional>

#include "common/InternalErrorReport.h"
#include "common/TextError.h"
#include "display/ImportFile.h"
#include "display/SchemeFileTexts.h"
#include "display/SchemeRecords.h"
#include "platform/SafeFile.h"

namespace parlevox {
namespace {

constexpr size_t kHeaderTextSize = 16;
constexpr size_t kHeaderSize = kHeaderTextSize + 8;
constexpr size_t kRecordHeadSize = 68;
// Compressed data never needs much more room than the data itself; a file
// beyond this is refused before it is read.
// Deflate turns no byte into more than this many (two 1-bit codes for a
// 258-byte match).
constexpr uint64_t kMaxInflateRatio = 1032;
constexpr uint64_t kMaxFileSize = kHeaderSize + SchemeFileReader::kMaxDataSize + SchemeFileReader::kMaxDataSize / 64;

[[noreturn]] void Fail(const char* message) {
    throw TextError(message);
}

uint32_t U32At(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 4; i-- > 0;) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

void PutU32(std::string& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>(value >> (8 * i));
}

struct FileHeader {
    uint32_t recordCount = 0;
    uint32_t dataSize = 0;
    std::string_view body;
};

FileHeader ReadHeader(std::string_view file) {
    if (file.size() < kHeaderTextSize) Fail(texts::kSchemeFileCorrupt);
    std::string_view text = file.substr(0, kHeaderTextSize);
    if (text.substr(0, text.find('\0')) != texts::kSchemeFileHeader) Fail(texts::kNotASchemeFile);
    if (file.size() < kHeaderSize || file.size() > kMaxFileSize) Fail(texts::kSchemeFileCorrupt);
    FileHeader header{U32At(file, kHeaderTextSize), U32At(file, kHeaderTextSize + 4), file.substr(kHeaderSize)};
    // Refused before anything is allocated for them: sizes the body could
    // not fill and counts the data could not hold.
    if (header.dataSize > SchemeFileReader::kMaxDataSize ||
        header.dataSize > kMaxInflateRatio * header.body.size() ||
        header.recordCount > header.dataSize / kRecordHeadSize)
        Fail(texts::kSchemeFileCorrupt);
    return header;
}

// Into a buffer of exactly the declared size. Inflating stops there, so a
// stream that holds more (a zlib bomb among them) costs no more than that.
std::string Inflate(std::string_view body, uint32_t size) {
    std::string data(size, '\0');
    z_stream stream{};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    stream.avail_in = static_cast<uInt>(body.size());
    if (inflateInit(&stream) != Z_OK) Fail(texts::kSchemeInflateInit);
    stream.next_out = reinterpret_cast<Bytef*>(data.data());
    stream.avail_out = size;
    const int result = inflate(&stream, Z_FINISH);
    bool longerThanDeclared = false;
    if (result != Z_STREAM_END && stream.avail_out == 0) {
        // Full but unfinished: one more byte tells data longer than declared
        // from a stream that is cut short.
        Bytef extra = 0;
        stream.next_out = &extra;
        stream.avail_out = 1;
        inflate(&stream, Z_NO_FLUSH);
        longerThanDeclared = stream.avail_out == 0;
    }
    const uLong produced = stream.total_out;
    inflateEnd(&stream);
    if (longerThanDeclared) Fail(texts::kSchemeFileCorrupt);
    if (result != Z_STREAM_END) Fail(texts::kSchemeInflateFailed);
    if (produced != size) Fail(texts::kSchemeFileCorrupt);
    return data;
}

// Level 9 into a buffer that always has room, in one call.
std::string Deflate(std::string_view data) {
    z_stream stream{};
    if (deflateInit(&stream, 9) != Z_OK) Fail(texts::kSchemeDeflateInit);
    std::string packed(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = static_cast<uInt>(packed.size());
    const int result = deflate(&stream, Z_FINISH);
    packed.resize(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) Fail(texts::kSchemeDeflateFailed);
    return packed;
}

std::vector<SchemeRecord> WalkRecords(std::string_view data, uint32_t count) {
    std::vector<SchemeRecord> records;
    records.reserve(count);  // the header check bounds it by the data's size
    size_t at = 0;
    for (uint32_t i = 0; i < count; ++i) {
        if (data.size() - at < kRecordHeadSize) Fail(texts::kSchemeFileCorrupt);
        SchemeRecord record;
        record.name = scheme_records::ReadT32(data.substr(at, 32));
        record.type = scheme_records::ReadT32(data.substr(at + 32, 32));
        record.length = U32At(data, at + 64);
        record.offset = at + kRecordHeadSize;
        if (record.length > data.size() - record.offset) Fail(texts::kSchemeFileCorrupt);
        at = record.offset + record.length;
        records.push_back(std::move(record));
    }
    if (at != data.size()) Fail(texts::kSchemeFileCorrupt);
    return records;
}

// The whole of a regular file; nothing when it cannot be opened or read.
// Reading stops at limit (the result is then shorter than the file).
std::optional<std::string> ReadWholeFile(const std::string& path, uint64_t limit, uint64_t* fileSize) {
    ImportFile file(path);
    std::optional<uint64_t> size = file.Size();
    if (!file.IsOpen() || !size) return std::nullopt;
    *fileSize = *size;
    if (*size > limit) return std::string();
    return file.ReadAt(0, static_cast<size_t>(*size));
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

SchemeFileReader SchemeFileReader::FromFile(const std::string& path) {
    uint64_t size = 0;
    std::optional<std::string> file = ReadWholeFile(path, kMaxFileSize, &size);
    if (!file) Fail(texts::kSchemeLoadError);
    if (size > kMaxFileSize || file->size() < size) Fail(texts::kSchemeFileCorrupt);
    return FromBytes(*file);
}

SchemeFileReader SchemeFileReader::FromBytes(std::string_view file) {
    const FileHeader header = ReadHeader(file);
    SchemeFileReader reader;
    reader.data_ = Inflate(header.body, header.dataSize);
    reader.records_ = WalkRecords(reader.data_, header.recordCount);
    return reader;
}

std::string_view SchemeFileReader::Data(int index) const {
    const SchemeRecord& record = Record(index);
    return std::string_view(data_).substr(record.offset, record.length);
}

SchemeFileWriter::SchemeFileWriter(std::string path, uint32_t recordCount)
    : path_(std::move(path)), recordCount_(recordCount) {}

void SchemeFileWriter::Append(std::string_view name, std::string_view type, std::string_view data) {
    try {
        scheme_records::AppendT32(records_, name);
        scheme_records::AppendT32(records_, type);
        PutU32(records_, static_cast<uint32_t>(data.size()));
        records_.append(data);
        ++appended_;
    } catch (const std::bad_alloc&) {
        Fail(texts::kSchemeWriteError);
    }
}

std::string SchemeFileWriter::Bytes() const {
    // A file the reader would refuse is not written.
    if (records_.size() > SchemeFileReader::kMaxDataSize) Fail(texts::kSchemeWriteError);
    if (appended_ != recordCount_) PARLEVOX_INTERNAL_ERROR();  // the records written are counted
    try {
        std::string file(texts::kSchemeFileHeader, kHeaderTextSize);  // with its zero
        PutU32(file, appended_);
        PutU32(file, static_cast<uint32_t>(records_.size()));
        file += Deflate(records_);
        return file;
    } catch (const std::bad_alloc&) {
        Fail(texts::kSchemeWriteError);
    }
}

void SchemeFileWriter::Finish() {
    // The safe save cannot tell creating from writing; either way the old
    // file is still there.
    if (!SafeFile::WriteAtomically(path_, Bytes())) Fail(texts::kSchemeCreateFailed);
}

CSchemeSound LoadSchemeSound(const std::string& path) {
    // Larger sounds would not fit a scheme file; reading stops there.
    uint64_t size = 0;
    std::optional<std::string> wave = ReadWholeFile(path, SchemeFileReader::kMaxDataSize, &size);
    if (!wave) Fail(texts::kSchemeWaveLoadError);
    if (wave->size() < size) Fail(texts::kSchemeWaveReadFailed);
    return CSchemeSound(FileNameOf(path), std::move(*wave));
}

}  // namespace parlevox
