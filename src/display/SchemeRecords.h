#pragma once
// The data of each kind of scheme file record, made from the scheme's parts
// and read back into them. Readers check the record against its type's
// layout before anything is built: a record shorter than its type needs is
// shown as an internal error (naming this code and the check) and the file
// is refused as "Scheme file corrupt". Bytes past what a type needs are
// ignored.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "display/Scheme.h"

namespace parlevox {

namespace scheme_records {

// A 32-byte text field: cut to 32 bytes, padded with zeros (32 characters
// leave no terminator).
void AppendT32(std::string& out, std::string_view text);
// The text up to the first zero, at most 32 bytes; the field must be whole.
std::string_view ReadT32(std::string_view field);

// Writing.
std::string NumberData(int32_t value);
std::string TextData(std::string_view text);  // zero-terminated
// The record of an item of the scheme; hot spots name their references.
std::string ItemData(const CScheme& scheme, const CSchemeItem& item);
std::string FontData(const CSchemeFont& font);
std::string ColourMapData(const CScheme::ColourMap& colours);
std::string DrawOrderData(const CScheme& scheme);
std::string UsageData(const SchemeUsage& usage);
std::string MarginsData(const TextMargins& margins);
std::string ColourData(WindowsColour colour);

// Reading; each throws TextError after the report when the data is short.
int32_t ReadNumber(std::string_view data);
std::unique_ptr<CSchemeImage> ReadImage(std::string_view name, std::string_view data);
std::unique_ptr<CSchemeFadebox> ReadFadebox(std::string_view name, std::string_view data);
void ReadFont(std::string_view data, CSchemeFont& font);
std::unique_ptr<CSchemeSound> ReadSound(std::string_view name, std::string_view data);
std::unique_ptr<CSchemeURL> ReadUrl(std::string_view name, std::string_view data);
std::unique_ptr<CSchemeCommand> ReadCommand(std::string_view name, std::string_view data);
// References are looked up among the scheme's items by name; names not
// found (the "!no hotspot" ones always) give -1.
std::unique_ptr<CSchemeHotspot> ReadHotspot(std::string_view name, std::string_view data, const CScheme& scheme);
CScheme::ColourMap ReadColourMap(std::string_view data);
// Positions of the named items, in order; names not found are left out.
std::vector<int> ReadDrawOrder(std::string_view data, const CScheme& scheme);
SchemeUsage ReadUsage(std::string_view data);
TextMargins ReadMargins(std::string_view data);
WindowsColour ReadColour(std::string_view data);

}  // namespace scheme_records

}  // namespace parlevox
