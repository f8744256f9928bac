#include "script/VariableDefinitions.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/StringRecord.h"
#include "common/TextError.h"

namespace parlevox {
namespace {

using namespace std::string_literals;
using Strings = std::vector<std::string>;

const std::string kEndOfFile = "Unexpected end of file when loading a module.";
const std::string kTooManyTypes = "Too many types in variable name; at most 256.";
const std::string kCorrupt = "Loading module file failed because it is corrupt (not a valid module file).";

// Stored entry: id, access, name, and the value bytes when given.
std::string Entry(int32_t id, int32_t access, const std::string& name, const std::string& value) {
    ByteWriter writer;
    writer.WriteI32(id);
    writer.WriteI32(access);
    WriteString(writer, name);
    writer.WriteBytes(value);
    return writer.Take();
}

std::string Count(int32_t count) {
    ByteWriter writer;
    writer.WriteI32(count);
    return writer.Take();
}

const std::string kStringValue = "\x01\0\0\0"s + "\0\0\0\0"s + "\x04\0\0\0kept"s;
const std::string kIntValue = "\x01\0\0\0"s + "\x01\0\0\0\x05\0\0\0"s;

std::string LoadError(const std::string& bytes, ModuleFileVersion version, CVariableDefinitions& set) {
    ByteReader reader(bytes, "the reader's own message");
    try {
        set.Load(reader, version);
    } catch (const TextError& error) {
        return error.Text();
    }
    return "";
}

TEST(VariableDefinitionsTest, AddFindRemoveAndTheModifiedFlag) {
    CVariableDefinitions set;
    EXPECT_FALSE(set.Modified());
    set.Add("sNick", 7);
    set.Add("iasList", 3);
    EXPECT_TRUE(set.Modified());
    EXPECT_EQ(set.FindId("iasList"), 3);
    EXPECT_EQ(set.FindId("snick"), 0) << "names are case-sensitive";
    ASSERT_NE(set.FindById(7), nullptr);
    EXPECT_EQ(set.FindById(7)->name, "sNick");
    EXPECT_EQ(set.FindById(7)->access, VariableAccess::ModW);
    EXPECT_EQ(set.FindById(3)->value.TypeString(), "iS");
    EXPECT_EQ(set.LargestId(), 7);

    set.ClearModified();
    EXPECT_THROW(set.Add("zBad", 9), TextError);
    EXPECT_FALSE(set.Remove("sMissing"));
    EXPECT_FALSE(set.SetAccess("sMissing", VariableAccess::Read));
    EXPECT_EQ(set.Size(), 2u);
    EXPECT_FALSE(set.Modified()) << "nothing changed";

    EXPECT_TRUE(set.SetAccess("iasList", VariableAccess::Read));
    EXPECT_TRUE(set.Modified());
    set.ClearModified();
    EXPECT_TRUE(set.Remove("sNick"));
    EXPECT_TRUE(set.Modified());
    EXPECT_EQ(set.FindById(7), nullptr);
    EXPECT_EQ(set.FindById(0), nullptr);
}

TEST(VariableDefinitionsTest, DisplayListAndTheRightsButton) {
    CVariableDefinitions set;
    set.Add("sA", 1);
    set.Add("iB", 2);
    EXPECT_EQ(set.DisplayList(false), (Strings{"sA", "iB"}));
    const char* steps[] = {"iB [ModW]", "iB [AnyW]", "iB [Read]", "iB [ModW]"};
    for (const char* expected : steps) {
        EXPECT_EQ(set.DisplayList(true), (Strings{"sA [ModW]", expected}));
        EXPECT_TRUE(set.StepAccess("iB"));
    }
    EXPECT_FALSE(set.StepAccess("iC"));
}

TEST(VariableDefinitionsTest, WrittenSetLoadsBackEqualAndUnmodified) {
    CVariableDefinitions set;
    set.Add("siPair", 5).value.Component(1).number = -3;
    set.Add("afHandlers", 9).value.Component(0).texts = {"One", "Two"};
    set.Add("Bare", 12);
    set.SetAccess("afHandlers", VariableAccess::AnyW);
    ByteWriter writer;
    set.Write(writer);
    EXPECT_EQ(writer.Bytes().substr(0, 4), Count(3));

    CVariableDefinitions loaded;
    loaded.Add("sOld", 1);
    EXPECT_EQ(LoadError(writer.Bytes(), ModuleFileVersion::V1_0, loaded), "");
    EXPECT_FALSE(loaded.Modified());
    ASSERT_EQ(loaded.Size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const auto& want = set.Entries()[i];
        const auto& got = loaded.Entries()[i];
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.access, want.access);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.value, want.value);
    }
}

TEST(VariableDefinitionsTest, Version11KeepsOnlyValuesOfNamesEndingInCapitalP) {
    const std::string v10 = Count(2) + Entry(1, 1, "sCountP", kStringValue) + Entry(2, 1, "sCount", kStringValue);
    const std::string v11 = Count(2) + Entry(1, 1, "sCountP", kStringValue) + Entry(2, 1, "sCount", "");
    struct Case {
        const char* description;
        const std::string& bytes;
        ModuleFileVersion version;
        const char* countP;
        const char* count;
    } cases[] = {
        {"1.0", v10, ModuleFileVersion::V1_0, "kept", "kept"},
        {"1.1", v11, ModuleFileVersion::V1_1, "kept", ""},
    };
    for (const auto& c : cases) {
        CVariableDefinitions set;
        ASSERT_EQ(LoadError(c.bytes, c.version, set), "") << c.description;
        EXPECT_EQ(set.Find("sCountP")->value.Component(0).text, c.countP) << c.description;
        EXPECT_EQ(set.Find("sCount")->value.Component(0).text, c.count) << c.description;
    }

    // Saved again, the 1.1 set is written as 1.0 with every value.
    CVariableDefinitions set;
    LoadError(v11, ModuleFileVersion::V1_1, set);
    ByteWriter writer;
    set.Write(writer);
    EXPECT_EQ(writer.Bytes(), Count(2) + Entry(1, 1, "sCountP", kStringValue) +
                                  Entry(2, 1, "sCount", "\x01\0\0\0"s + "\0\0\0\0"s + "\0\0\0\0"s));
}

TEST(VariableDefinitionsTest, HostileStoredSets) {
    struct Case {
        const char* description;
        std::string bytes;
        ModuleFileVersion version;
        std::string message;
    } cases[] = {
        {"empty", "", ModuleFileVersion::V1_0, kEndOfFile},
        {"huge count", Count(INT32_MAX) + std::string(64, '\0'), ModuleFileVersion::V1_0, kEndOfFile},
        {"negative count", Count(-5) + std::string(64, '\0'), ModuleFileVersion::V1_0, kEndOfFile},
        {"one entry short", Count(2) + Entry(1, 1, "iX", kIntValue), ModuleFileVersion::V1_0, kEndOfFile},
        {"truncated name", Count(1) + Entry(1, 1, "iX", "").substr(0, 13), ModuleFileVersion::V1_0, kEndOfFile},
        {"value missing", Count(1) + Entry(1, 1, "iX", ""), ModuleFileVersion::V1_0, kEndOfFile},
        {"value missing for P in 1.1", Count(1) + Entry(1, 1, "iXP", ""), ModuleFileVersion::V1_1, kEndOfFile},
        {"bad prefix", Count(1) + Entry(1, 1, "qX", kIntValue), ModuleFileVersion::V1_0,
         "Invalid type in variable name; expecting i,f,s, or a."},
        {"bad prefix without value", Count(1) + Entry(1, 1, "aX", ""), ModuleFileVersion::V1_1,
         "Invalid type in variable name; expecting i,f,or s after a."},
        {"access code 3", Count(1) + Entry(1, 3, "iX", kIntValue), ModuleFileVersion::V1_0, kCorrupt},
        {"id 0", Count(1) + Entry(0, 1, "iX", kIntValue), ModuleFileVersion::V1_0, kCorrupt},
        {"id used twice", Count(2) + Entry(4, 1, "iX", kIntValue) + Entry(4, 1, "iY", kIntValue),
         ModuleFileVersion::V1_0, kCorrupt},
        {"value of another type", Count(1) + Entry(1, 1, "sX", kIntValue), ModuleFileVersion::V1_0, kCorrupt},
        // 1.1 stores no value for this name: only the cap stops a million components.
        {"a million components in 1.1", Count(1) + Entry(1, 1, std::string(1'000'000, 's'), ""),
         ModuleFileVersion::V1_1, kTooManyTypes},
    };
    for (const auto& c : cases) {
        CVariableDefinitions set;
        set.Add("sKeep", 1);
        EXPECT_EQ(LoadError(c.bytes, c.version, set), c.message) << c.description;
        EXPECT_EQ(set.DisplayList(false), (Strings{"sKeep"})) << c.description << ": set changed";
        EXPECT_TRUE(set.Modified()) << c.description;
    }
}

}  // namespace
}  // namespace parlevox
