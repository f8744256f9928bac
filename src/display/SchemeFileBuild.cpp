// A scheme from the records of its file, and its file from the scheme.
#include <new>

#include "common/TextError.h"
#include "display/SchemeFile.h"
#include "display/SchemeFileTexts.h"
#include "display/SchemeRecords.h"

namespace parlevox {
namespace {

using namespace scheme_records;

constexpr int32_t kVersion = 1;
constexpr uint32_t kFixedRecordCount = 9;

[[noreturn]] void Fail(const char* message) {
    throw TextError(message);
}

void AddItem(CScheme& scheme, std::unique_ptr<CSchemeItem> item) {
    if (!item) return;
    if (scheme.ItemCount() >= CScheme::kMaxItems) Fail(texts::kSchemeTooManyItems);
    scheme.AddItem(std::move(item));
}

// Items that refer to nothing by name.
std::unique_ptr<CSchemeItem> FirstPassItem(CScheme& scheme, const SchemeRecord& record, std::string_view data) {
    const std::string& type = record.type;
    if (type == texts::kRecordImage) return ReadImage(record.name, data);
    if (type == texts::kRecordFadebox) return ReadFadebox(record.name, data);
    if (type == texts::kRecordSound) return ReadSound(record.name, data);
    if (type == texts::kRecordUrl) return ReadUrl(record.name, data);
    if (type == texts::kRecordCommand) return ReadCommand(record.name, data);
    if (type != texts::kRecordFont) return nullptr;
    if (record.name == texts::kRecordTextName) {
        ReadFont(data, scheme.TextFont());
        return nullptr;
    }
    auto font = std::make_unique<CSchemeFont>(record.name);
    ReadFont(data, *font);
    return font;
}

// Hot spots name items of the first pass (and images of this one that come
// before them).
std::unique_ptr<CSchemeItem> SecondPassItem(const CScheme& scheme, const SchemeRecord& record, std::string_view data) {
    if (record.type == texts::kRecordText) return ReadImage(record.name, data);
    if (record.type == texts::kRecordHotspot) return ReadHotspot(record.name, data, scheme);
    return nullptr;
}

void SetDrawOrder(CScheme& scheme, const std::vector<int>& positions) {
    while (!scheme.DrawOrder().empty()) scheme.RemoveDrawOrderEntry(0);
    for (int position : positions) scheme.AppendToDrawOrder(position);
}

void ThirdPass(CScheme& scheme, const SchemeRecord& record, std::string_view data) {
    const std::string &type = record.type, &name = record.name;
    if (type == texts::kRecordDrawOrder) {
        SetDrawOrder(scheme, ReadDrawOrder(data, scheme));
    } else if (type == texts::kRecordNumber && name == texts::kRecordMinVersion) {
        if (ReadNumber(data) > kVersion) Fail(texts::kSchemeLaterVersion);
    } else if (type == texts::kRecordColourMap && name == texts::kRecordColourMapName) {
        scheme.SetColours(ReadColourMap(data));
    } else if (type == texts::kRecordMargins && name == texts::kRecordTextName) {
        scheme.SetMargins(ReadMargins(data));
    } else if (type == texts::kRecordColour && name == texts::kRecordBackground) {
        scheme.SetBackground(ReadColour(data));
    } else if (type == texts::kRecordUsage && name == texts::kRecordUsageName) {
        scheme.SetUsage(ReadUsage(data));
    }
}

CScheme BuildScheme(const SchemeFileReader& file) {
    CScheme scheme;
    for (int i = 0; i < file.RecordCount(); ++i) AddItem(scheme, FirstPassItem(scheme, file.Record(i), file.Data(i)));
    for (int i = 0; i < file.RecordCount(); ++i) AddItem(scheme, SecondPassItem(scheme, file.Record(i), file.Data(i)));
    for (int i = 0; i < file.RecordCount(); ++i) ThirdPass(scheme, file.Record(i), file.Data(i));
    return scheme;
}

void AppendRecords(SchemeFileWriter& writer, const CScheme& scheme) {
    writer.Append(texts::kRecordMinVersion, texts::kRecordNumber, NumberData(kVersion));
    writer.Append(texts::kRecordThisVersion, texts::kRecordNumber, NumberData(kVersion));
    writer.Append(texts::kRecordCreatorSoftware, texts::kRecordString, TextData(texts::kSchemeCreatorSoftware));
    for (int i = 0; i < scheme.ItemCount(); ++i) {
        const CSchemeItem& item = *scheme.Item(i);
        writer.Append(item.Name(), item.RecordType(), ItemData(scheme, item));
    }
    writer.Append(texts::kRecordColourMapName, texts::kRecordColourMap, ColourMapData(scheme.Colours()));
    writer.Append(texts::kRecordDrawOrderName, texts::kRecordDrawOrder, DrawOrderData(scheme));
    writer.Append(texts::kRecordUsageName, texts::kRecordUsage, UsageData(scheme.Usage()));
    writer.Append(texts::kRecordTextName, texts::kRecordMargins, MarginsData(scheme.Margins()));
    writer.Append(texts::kRecordTextName, texts::kRecordFont, FontData(scheme.TextFont()));
    writer.Append(texts::kRecordBackground, texts::kRecordColour, ColourData(scheme.Background()));
}

SchemeFileWriter WriterFor(const std::string& path, const CScheme& scheme) {
    SchemeFileWriter writer(path, static_cast<uint32_t>(scheme.ItemCount()) + kFixedRecordCount);
    try {
        AppendRecords(writer, scheme);
    } catch (const std::bad_alloc&) {
        Fail(texts::kSchemeWriteError);
    }
    return writer;
}

}  // namespace

CScheme ReadSchemeFile(const std::string& path) {
    return BuildScheme(SchemeFileReader::FromFile(path));
}

CScheme SchemeFromBytes(std::string_view file) {
    return BuildScheme(SchemeFileReader::FromBytes(file));
}

void WriteSchemeFile(const std::string& path, const CScheme& scheme) {
    WriterFor(path, scheme).Finish();
}

std::string SchemeFileBytes(const CScheme& scheme) {
    return WriterFor({}, scheme).Bytes();
}

}  // namespace parlevox
