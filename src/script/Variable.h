#pragma once
// A script value: an ordered list of typed components. Variables, expression
// results, parameters and return values all have this form. A variable's
// type is spelled by the lowercase prefix of its name ("siPair" is a string
// and an integer), so a variable is created from its name alone.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteReader.h"

namespace parlevox {

// The codes are those of the stored form.
enum class ComponentType : int32_t {
    String = 0,         // s
    Int = 1,            // i
    Function = 2,       // f: a function name
    StringArray = 3,    // S, long form "as"
    IntArray = 4,       // I, long form "ai"
    FunctionArray = 5,  // F, long form "af"
};

inline bool IsArray(ComponentType type) { return static_cast<int32_t>(type) >= 3; }
// 's', 'i', 'f', 'S', 'I' or 'F'.
char TypeLetter(ComponentType type);
// The type of a short type letter; empty for any other character.
std::optional<ComponentType> TypeOfLetter(char letter);

// One component. Only the storage of its type is used: text for s and f,
// number for i, texts for as and af, numbers for ai.
struct VariableComponent {
    ComponentType type = ComponentType::String;
    std::string text;
    int32_t number = 0;
    std::vector<std::string> texts;
    std::vector<int32_t> numbers;

    static VariableComponent Empty(ComponentType type);
    static VariableComponent String(std::string value);
    static VariableComponent Int(int32_t value);
    static VariableComponent Function(std::string name);
    static VariableComponent StringArray(std::vector<std::string> values);
    static VariableComponent IntArray(std::vector<int32_t> values);
    static VariableComponent FunctionArray(std::vector<std::string> names);

    bool operator==(const VariableComponent& other) const;
};

class CVariable {
public:
    CVariable() = default;  // no components, type string ""
    explicit CVariable(std::vector<VariableComponent> components) : components_(std::move(components)) {}

    // One empty component per letter of a short type string ("sI").
    // Letters other than s i f S I F are skipped.
    static CVariable FromTypeString(std::string_view shortTypes);
    // From a variable name's type prefix; throws TextError with the two
    // prefix errors (see TypeStringOfName).
    static CVariable FromName(std::string_view name);

    size_t Count() const { return components_.size(); }
    const VariableComponent& Component(size_t index) const { return components_[index]; }
    VariableComponent& Component(size_t index) { return components_[index]; }
    const std::vector<VariableComponent>& Components() const { return components_; }
    std::vector<VariableComponent>& Components() { return components_; }
    void Append(VariableComponent component) { components_.push_back(std::move(component)); }
    // Concatenation, as in an angle-bracket list <a, b>.
    void Append(const CVariable& other);

    std::string TypeString() const;      // short form, "sI"
    std::string LongTypeString() const;  // "sai"
    // Only a single i or s has a truth value: the integer is not 0, the
    // string is not empty. Empty for anything else.
    std::optional<bool> Truth() const;

    // Stored form: component count, then per component the type code and
    // its storage. Reading raises "Unexpected end of file when loading a
    // module." for any count larger than what remains.
    static CVariable Read(ByteReader& reader);
    void Write(ByteWriter& writer) const;

    bool operator==(const CVariable& other) const = default;

private:
    std::vector<VariableComponent> components_;
};

// The most components a name's prefix may declare. Real names declare a
// handful; the cap keeps a hostile module from turning a long name into
// millions of values (a stored set of version 1.1 keeps names only).
inline constexpr size_t kMaxNameComponents = 256;

// Short type string of a name's prefix (the leading run of a-z):
// "iasX" gives "iS", "Count" gives "". Throws TextError with
// kInvalidTypeInName, kInvalidTypeAfterA or kTooManyTypesInName.
std::string TypeStringOfName(std::string_view name);

// "sIF" -> "saiaf".
std::string LongTypeString(std::string_view shortTypes);

}  // namespace parlevox
