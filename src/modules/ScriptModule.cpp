#include "modules/ScriptModule.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "common/StringRecord.h"
#include "common/TextError.h"
#include "script/ModuleRecords.h"
#include "script/ScriptProductions.h"
#include "script/SystemVariables.h"
#include "script/VariableTexts.h"

namespace parlevox {
namespace {

constexpr std::string_view kMagic10{"Brimvale/ScriptModule:1.0\0", 26};
constexpr std::string_view kMagic11{"Brimvale/ScriptModule:1.1\0", 26};
constexpr size_t kTextField = CScriptModule::kMaxTextLength + 1;
// The least a record of each kind takes in the file, for checking counts.
constexpr size_t kMinMenuItemBytes = 16;
constexpr size_t kMinFunctionBytes = 24;

std::string Cut(std::string text) {
    if (text.size() > CScriptModule::kMaxTextLength) text.resize(CScriptModule::kMaxTextLength);
    return text;
}

void WriteTextField(ByteWriter& writer, const std::string& text) {
    std::string field = Cut(text);
    field.resize(kTextField, '\0');
    writer.WriteBytes(field);
}

// Zero-terminated inside its 100 bytes; a field without a terminator was
// not written by a module writer.
std::string ReadTextField(ByteReader& reader) {
    if (reader.Remaining() < kTextField) throw TextError(kModuleEndOfFile);
    std::string_view field = reader.ReadBytes(kTextField);
    size_t end = field.find('\0');
    if (end == std::string_view::npos) throw TextError(kModuleCorrupt);
    return std::string(field.substr(0, end));
}

void WriteInts(ByteWriter& writer, const std::vector<int32_t>& values) {
    writer.WriteI32(static_cast<int32_t>(values.size()));
    for (int32_t value : values) writer.WriteI32(value);
}

std::vector<int32_t> ReadInts(ByteReader& reader) {
    std::vector<int32_t> values(ReadModuleCount(reader, 4));
    for (int32_t& value : values) value = reader.ReadI32();
    return values;
}

CRawBitmap ReadIcon(ByteReader& reader) {
    CRawBitmap icon;
    try {
        icon.ReadRawBitmap(reader);
    } catch (const TextError&) {
        throw TextError(kModuleEndOfFile);  // the picture's own reader speaks of graphics files
    }
    return icon;
}

bool ReferenceExists(VariableReference reference, const CVariableDefinitions& locals,
                     const CVariableDefinitions& moduleWide) {
    switch (reference.scope) {
        case kScopeLocal: return locals.FindById(reference.id) != nullptr;
        case kScopeModuleWide: return moduleWide.FindById(reference.id) != nullptr;
        case kScopeSystem: return reference.id >= 1 && reference.id <= SystemVariables::kCount;
        default: return true;  // a global: its module may be installed later
    }
}

// Whether every variable the tree names is where it says.
bool ReferencesHold(const CParseTree& tree, const CVariableDefinitions& locals, const CVariableDefinitions& moduleWide) {
    std::vector<const CParseTree*> pending{&tree};
    while (!pending.empty()) {
        const CParseTree* node = pending.back();
        pending.pop_back();
        const int32_t production = node->Production();
        if ((production == production::kLhsVariable || production == production::kVariableValue ||
             production == production::kIndirectCall) &&
            !ReferenceExists(node->Variable(), locals, moduleWide))
            return false;
        for (const auto& child : node->Children()) pending.push_back(child.get());
    }
    return true;
}

}  // namespace

CScriptModule::CScriptModule(int32_t id, std::string name, std::string author, std::string copyright,
                             std::optional<CRawBitmap> icon)
    : id_(id), name_(Cut(std::move(name))), author_(Cut(std::move(author))), copyright_(Cut(std::move(copyright))),
      icon_(std::move(icon)), modified_(true) {}

CScriptFunction* CScriptModule::FindFunction(std::string_view name, bool ignoreCase) const {
    auto same = [&](const std::string& candidate) {
        if (!ignoreCase) return candidate == name;
        return candidate.size() == name.size() &&
               std::equal(candidate.begin(), candidate.end(), name.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
               });
    };
    for (const auto& function : functions_)
        if (same(function->Name())) return function.get();
    return nullptr;
}

CScriptFunction& CScriptModule::AddFunction(std::unique_ptr<CScriptFunction> function) {
    functions_.push_back(std::move(function));
    modified_ = true;
    NamesChanged();
    return *functions_.back();
}

bool CScriptModule::RemoveFunction(std::string_view name) {
    auto found = std::find_if(functions_.begin(), functions_.end(),
                              [&](const auto& function) { return function->Name() == name; });
    if (found == functions_.end()) return false;
    functions_.erase(found);
    modified_ = true;
    NamesChanged();
    return true;
}

void CScriptModule::RenameFunction(CScriptFunction& function, std::string name) {
    function.Rename(std::move(name));
    NamesChanged();
}

std::string CScriptModule::InitFunctionName() const {
    std::string stem;
    for (char c : name_)
        if (std::isalnum(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80) stem += c;
    return stem + "Init";
}

std::string CScriptModule::ShutdownFunctionName() const {
    std::string init = InitFunctionName();
    return init.substr(0, init.size() - 4) + "Shutdown";
}

bool CScriptModule::HasChanges() const {
    if (modified_ || moduleWide_.Modified() || globals_.Modified()) return true;
    return std::any_of(functions_.begin(), functions_.end(), [](const auto& f) { return f->Modified(); });
}

void CScriptModule::ClearChanges() {
    modified_ = false;
    moduleWide_.ClearModified();
    globals_.ClearModified();
    for (const auto& function : functions_) function->ClearModified();
}

std::string CScriptModule::Serialize() const {
    ByteWriter writer;
    writer.WriteBytes(kMagic10);
    writer.WriteI32(id_);
    WriteTextField(writer, name_);
    WriteTextField(writer, author_);
    WriteTextField(writer, copyright_);
    writer.WriteI32(icon_ ? 1 : 0);
    if (icon_) icon_->WriteRawBitmap(writer);
    moduleWide_.Write(writer);
    globals_.Write(writer);
    writer.WriteI32(fixed_);
    writer.WriteI32(static_cast<int32_t>(reactions_.size()));
    for (const std::string& reaction : reactions_) WriteString(writer, reaction);
    writer.WriteI32(static_cast<int32_t>(menuItems_.size()));
    for (const ModuleMenuItem& item : menuItems_) {
        WriteString(writer, item.name);
        WriteString(writer, item.function);
        writer.WriteI32(item.confirm);
        writer.WriteI32(item.kind);
    }
    WriteInts(writer, setupListA_);
    WriteInts(writer, setupListB_);
    writer.WriteI32(static_cast<int32_t>(functions_.size()));
    for (const auto& function : functions_) function->Write(writer);
    return writer.Take();
}

std::unique_ptr<CScriptModule> CScriptModule::Parse(std::string_view bytes) {
    ByteReader reader(bytes, kModuleEndOfFile);
    if (reader.Remaining() < kMagic10.size()) throw TextError(kModuleCorrupt);
    std::string_view magic = reader.ReadBytes(kMagic10.size());
    if (magic != kMagic10 && magic != kMagic11) throw TextError(kModuleCorrupt);
    const ModuleFileVersion version = magic == kMagic10 ? ModuleFileVersion::V1_0 : ModuleFileVersion::V1_1;

    auto module = std::make_unique<CScriptModule>();
    module->id_ = ReadModuleInt(reader);
    // Global references carry the id where 0 to 2 name the other scopes.
    if (module->id_ >= 0 && module->id_ <= kScopeSystem) throw TextError(kModuleCorrupt);
    module->name_ = ReadTextField(reader);
    module->author_ = ReadTextField(reader);
    module->copyright_ = ReadTextField(reader);
    if (ReadModuleInt(reader) != 0) module->icon_ = ReadIcon(reader);
    module->moduleWide_.Load(reader, version);
    module->globals_.Load(reader, version);
    module->fixed_ = ReadModuleInt(reader);
    module->reactions_.resize(ReadModuleCount(reader, 4));
    for (std::string& reaction : module->reactions_) reaction = ReadString(reader);
    module->menuItems_.resize(ReadModuleCount(reader, kMinMenuItemBytes));
    for (ModuleMenuItem& item : module->menuItems_) {
        item.name = ReadString(reader);
        item.function = ReadString(reader);
        item.confirm = ReadModuleInt(reader);
        item.kind = ReadModuleInt(reader);
    }
    module->setupListA_ = ReadInts(reader);
    module->setupListB_ = ReadInts(reader);
    const size_t functionCount = ReadModuleCount(reader, kMinFunctionBytes);
    int32_t largestId = std::max(module->moduleWide_.LargestId(), module->globals_.LargestId());
    for (size_t i = 0; i < functionCount; ++i) {
        std::unique_ptr<CScriptFunction> function = CScriptFunction::Read(reader, version);
        largestId = std::max(largestId, function->Locals().LargestId());
        if (function->Tree() && !ReferencesHold(*function->Tree(), function->Locals(), module->moduleWide_)) {
            function->DropTree();
            function->SetNeedsRecompile(true);
        }
        module->functions_.push_back(std::move(function));
    }
    // Ids run up to the largest a variable has; one at the very top leaves no
    // room for another and cannot come from a module the client wrote.
    if (largestId == INT32_MAX) throw TextError(kModuleCorrupt);
    module->nextVariableId_ = largestId + 1;
    module->ClearChanges();
    return module;
}

}  // namespace parlevox
