#include "script/Variable.h"

#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "common/TextError.h"

namespace parlevox {
namespace {

using namespace std::string_literals;

const std::string kBadLetter = "Invalid type in variable name; expecting i,f,s, or a.";
const std::string kBadAfterA = "Invalid type in variable name; expecting i,f,or s after a.";
const std::string kTooManyTypes = "Too many types in variable name; at most 256.";
const std::string kEndOfFile = "Unexpected end of file when loading a module.";
const std::string kCorrupt = "Loading module file failed because it is corrupt (not a valid module file).";

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const TextError& error) {
        return error.Text();
    }
    return "";
}

// The type string of a new variable of that name, all of whose components
// must be empty; or the error text.
std::string TypesOrError(const char* name) {
    try {
        CVariable value = CVariable::FromName(name);
        for (const auto& component : value.Components())
            EXPECT_EQ(component, VariableComponent::Empty(component.type)) << name << ": not empty";
        return value.TypeString();
    } catch (const TextError& error) {
        return error.Text();
    }
}

TEST(VariableTest, NamePrefixGivesTheComponents) {
    struct Case {
        std::string name;
        std::string types;  // short type string, or the error text
    } cases[] = {
        {"sNick", "s"},      {"siPair", "si"},       {"asNames", "S"},     {"iasX", "iS"},
        {"Count", ""},       {"fCallback", "f"},     {"aiaf", "IF"},       {"s2", "s"},
        {"i\xe9t\xe9", "i"}, {"xNick", kBadLetter},  {"sxNick", kBadLetter}, {"aNames", kBadAfterA},
        {"aaiX", kBadAfterA}, {"sa", kBadAfterA},
        {std::string(256, 'i') + "X", std::string(256, 'i')}, {std::string(257, 'i') + "X", kTooManyTypes},
        {std::string(255, 'i') + "asX", std::string(255, 'i') + "S"}, {std::string(256, 'i') + "asX", kTooManyTypes},
    };
    for (const auto& c : cases) EXPECT_EQ(TypesOrError(c.name.c_str()), c.types) << c.name.substr(0, 20);
}

CVariable EveryType() {
    return CVariable({VariableComponent::String("a\0b"s), VariableComponent::Int(-7), VariableComponent::Function("Go"),
                      VariableComponent::StringArray({"x", ""}), VariableComponent::IntArray({1, INT32_MIN}),
                      VariableComponent::FunctionArray({"F1"})});
}

TEST(VariableTest, ShortAndLongTypeStrings) {
    EXPECT_EQ(EveryType().TypeString(), "sifSIF");
    EXPECT_EQ(EveryType().LongTypeString(), "sifasaiaf");
    EXPECT_EQ(CVariable().LongTypeString(), "");
    EXPECT_EQ(CVariable::FromTypeString("IsF").TypeString(), "IsF");
}

TEST(VariableTest, OnlyASingleIntegerOrStringHasATruthValue) {
    struct Case {
        const char* description;
        CVariable value;
        std::optional<bool> truth;
    } cases[] = {
        {"zero", CVariable({VariableComponent::Int(0)}), false},
        {"negative", CVariable({VariableComponent::Int(-1)}), true},
        {"empty string", CVariable({VariableComponent::String("")}), false},
        {"string", CVariable({VariableComponent::String("0")}), true},
        {"function", CVariable({VariableComponent::Function("f")}), std::nullopt},
        {"array", CVariable({VariableComponent::IntArray({1})}), std::nullopt},
        {"two components", CVariable({VariableComponent::Int(1), VariableComponent::Int(1)}), std::nullopt},
        {"no components", CVariable(), std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(c.value.Truth(), c.truth) << c.description;
}

TEST(VariableTest, StoredFormRoundTripsEveryComponentType) {
    const CVariable values[] = {EveryType(), CVariable(), CVariable::FromTypeString("sifSIF")};
    ByteWriter writer;
    for (const auto& value : values) value.Write(writer);
    ByteReader reader(writer.Bytes(), "other");
    for (const auto& value : values) EXPECT_EQ(CVariable::Read(reader), value);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(VariableTest, StoredFormLayout) {
    ByteWriter writer;
    CVariable({VariableComponent::String("ab"), VariableComponent::IntArray({258})}).Write(writer);
    EXPECT_EQ(writer.Bytes(), "\x02\0\0\0"
                              "\0\0\0\0\x02\0\0\0ab"
                              "\x04\0\0\0\x01\0\0\0\x02\x01\0\0"s);
}

TEST(VariableTest, HostileStoredValues) {
    const std::string one = "\x01\0\0\0"s;
    struct Case {
        const char* description;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"nothing", "", kEndOfFile},
        {"huge component count", "\xff\xff\xff\x7f"s + std::string(64, '\0'), kEndOfFile},
        {"negative component count", "\xff\xff\xff\xff"s + std::string(64, '\0'), kEndOfFile},
        {"one component too many", "\x02\0\0\0"s + "\x01\0\0\0\x05\0\0\0"s, kEndOfFile},
        {"huge int array", one + "\x04\0\0\0\xff\xff\xff\x7f"s + std::string(64, '\0'), kEndOfFile},
        {"huge string array", one + "\x03\0\0\0\x00\x00\x00\x40"s + std::string(64, '\0'), kEndOfFile},
        {"negative array count", one + "\x05\0\0\0\xfe\xff\xff\xff"s + std::string(64, '\0'), kEndOfFile},
        {"array count past the data", one + "\x04\0\0\0\x03\0\0\0"s + std::string(8, '\0'), kEndOfFile},
        {"truncated string", one + "\0\0\0\0\x09\0\0\0abc"s, kEndOfFile},
        {"truncated integer", one + "\x01\0\0\0\x01\0"s, kEndOfFile},
        {"unknown type code", one + "\x06\0\0\0\0\0\0\0"s, kCorrupt},
        {"negative type code", one + "\xff\xff\xff\xff\0\0\0\0"s, kCorrupt},
    };
    for (const auto& c : cases) {
        ByteReader reader(c.bytes, "the reader's own message");
        EXPECT_EQ(ErrorOf([&] { CVariable::Read(reader); }), c.message) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
