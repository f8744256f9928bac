#include "script/Variable.h"

#include "common/StringRecord.h"
#include "common/TextError.h"
#include "common/TextHelpers.h"
#include "script/ModuleRecords.h"
#include "script/VariableTexts.h"

namespace parlevox {

namespace {

constexpr char kLetters[] = {'s', 'i', 'f', 'S', 'I', 'F'};

// Smallest stored component: a type code and a 4-byte integer, length or
// element count.
constexpr size_t kMinStoredComponent = 8;

VariableComponent ReadComponent(ByteReader& reader) {
    int32_t code = ReadModuleInt(reader);
    if (code < 0 || code > 5) throw TextError(kModuleCorrupt);
    VariableComponent component = VariableComponent::Empty(static_cast<ComponentType>(code));
    switch (component.type) {
        case ComponentType::String:
        case ComponentType::Function:
            component.text = ReadString(reader);
            break;
        case ComponentType::Int:
            component.number = ReadModuleInt(reader);
            break;
        case ComponentType::StringArray:
        case ComponentType::FunctionArray: {
            size_t count = ReadModuleCount(reader, 4);
            component.texts.reserve(count);
            for (size_t i = 0; i < count; ++i) component.texts.push_back(ReadString(reader));
            break;
        }
        case ComponentType::IntArray: {
            size_t count = ReadModuleCount(reader, 4);
            component.numbers.reserve(count);
            for (size_t i = 0; i < count; ++i) component.numbers.push_back(ReadModuleInt(reader));
            break;
        }
    }
    return component;
}

void WriteComponent(ByteWriter& writer, const VariableComponent& component) {
    writer.WriteI32(static_cast<int32_t>(component.type));
    switch (component.type) {
        case ComponentType::String:
        case ComponentType::Function:
            WriteString(writer, component.text);
            break;
        case ComponentType::Int:
            writer.WriteI32(component.number);
            break;
        case ComponentType::StringArray:
        case ComponentType::FunctionArray:
            writer.WriteI32(static_cast<int32_t>(component.texts.size()));
            for (const auto& text : component.texts) WriteString(writer, text);
            break;
        case ComponentType::IntArray:
            writer.WriteI32(static_cast<int32_t>(component.numbers.size()));
            for (int32_t number : component.numbers) writer.WriteI32(number);
            break;
    }
}

}  // namespace

char TypeLetter(ComponentType type) {
    return kLetters[static_cast<int32_t>(type)];
}

std::optional<ComponentType> TypeOfLetter(char letter) {
    for (int32_t code = 0; code < 6; ++code)
        if (kLetters[code] == letter) return static_cast<ComponentType>(code);
    return std::nullopt;
}

VariableComponent VariableComponent::Empty(ComponentType type) {
    VariableComponent component;
    component.type = type;
    return component;
}

VariableComponent VariableComponent::String(std::string value) {
    VariableComponent component = Empty(ComponentType::String);
    component.text = std::move(value);
    return component;
}

VariableComponent VariableComponent::Int(int32_t value) {
    VariableComponent component = Empty(ComponentType::Int);
    component.number = value;
    return component;
}

VariableComponent VariableComponent::Function(std::string name) {
    VariableComponent component = Empty(ComponentType::Function);
    component.text = std::move(name);
    return component;
}

VariableComponent VariableComponent::StringArray(std::vector<std::string> values) {
    VariableComponent component = Empty(ComponentType::StringArray);
    component.texts = std::move(values);
    return component;
}

VariableComponent VariableComponent::IntArray(std::vector<int32_t> values) {
    VariableComponent component = Empty(ComponentType::IntArray);
    component.numbers = std::move(values);
    return component;
}

VariableComponent VariableComponent::FunctionArray(std::vector<std::string> names) {
    VariableComponent component = Empty(ComponentType::FunctionArray);
    component.texts = std::move(names);
    return component;
}

bool VariableComponent::operator==(const VariableComponent& other) const {
    if (type != other.type) return false;
    switch (type) {
        case ComponentType::String:
        case ComponentType::Function:
            return text == other.text;
        case ComponentType::Int:
            return number == other.number;
        case ComponentType::StringArray:
        case ComponentType::FunctionArray:
            return texts == other.texts;
        case ComponentType::IntArray:
            return numbers == other.numbers;
    }
    return false;
}

CVariable CVariable::FromTypeString(std::string_view shortTypes) {
    CVariable value;
    for (char letter : shortTypes)
        if (auto type = TypeOfLetter(letter)) value.Append(VariableComponent::Empty(*type));
    return value;
}

CVariable CVariable::FromName(std::string_view name) {
    return FromTypeString(TypeStringOfName(name));
}

void CVariable::Append(const CVariable& other) {
    components_.insert(components_.end(), other.components_.begin(), other.components_.end());
}

std::string CVariable::TypeString() const {
    std::string types;
    for (const auto& component : components_) types += TypeLetter(component.type);
    return types;
}

std::string CVariable::LongTypeString() const {
    return parlevox::LongTypeString(TypeString());
}

std::optional<bool> CVariable::Truth() const {
    if (components_.size() != 1) return std::nullopt;
    const VariableComponent& only = components_[0];
    if (only.type == ComponentType::Int) return only.number != 0;
    if (only.type == ComponentType::String) return !only.text.empty();
    return std::nullopt;
}

CVariable CVariable::Read(ByteReader& reader) {
    size_t count = ReadModuleCount(reader, kMinStoredComponent);
    CVariable value;
    value.components_.reserve(count);
    for (size_t i = 0; i < count; ++i) value.components_.push_back(ReadComponent(reader));
    return value;
}

void CVariable::Write(ByteWriter& writer) const {
    writer.WriteI32(static_cast<int32_t>(components_.size()));
    for (const auto& component : components_) WriteComponent(writer, component);
}

static_assert(kMaxNameComponents == 256, "kTooManyTypesInName states the limit");

std::string TypeStringOfName(std::string_view name) {
    std::string types;
    for (size_t pos = 0; pos < name.size() && name[pos] >= 'a' && name[pos] <= 'z'; ++pos) {
        if (types.size() == kMaxNameComponents) throw TextError(kTooManyTypesInName);
        char letter = name[pos];
        if (letter == 'i' || letter == 's' || letter == 'f') {
            types += letter;
        } else if (letter == 'a') {
            char next = pos + 1 < name.size() ? name[pos + 1] : '\0';
            if (next != 'i' && next != 's' && next != 'f') throw TextError(kInvalidTypeAfterA);
            types += AsciiUpper(next);
            ++pos;
        } else {
            throw TextError(kInvalidTypeInName);
        }
    }
    return types;
}

std::string LongTypeString(std::string_view shortTypes) {
    std::string longForm;
    for (char letter : shortTypes) {
        if (letter >= 'A' && letter <= 'Z') {
            longForm += 'a';
            longForm += static_cast<char>(letter - 'A' + 'a');
        } else {
            longForm += letter;
        }
    }
    return longForm;
}

}  // namespace parlevox
