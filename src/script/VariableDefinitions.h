#pragma once
// A named set of variables: the locals of a script function, or the
// module-wide or global variables of a module. Entries stay in insertion
// order; ids are unique within the owning module and never 0, so that 0
// can mean "no such variable".
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteReader.h"
#include "script/Variable.h"

namespace parlevox {

// Who may write a variable. The stored codes are these values.
enum class VariableAccess : int32_t { Read = 0, ModW = 1, AnyW = 2 };

// "Read", "ModW" or "AnyW".
const char* AccessName(VariableAccess access);
// The editor's rights button: ModW -> AnyW -> Read -> ModW.
VariableAccess NextAccess(VariableAccess access);

// The magic of a module file decides which stored values are present.
enum class ModuleFileVersion {
    V1_0,  // every variable carries its value (the only version written)
    V1_1,  // only names ending in capital P carry a value
};

class CVariableDefinitions {
public:
    struct Entry {
        int32_t id = 0;
        VariableAccess access = VariableAccess::ModW;
        std::string name;  // case-sensitive
        CVariable value;
    };

    // A new ModW variable whose value is made from the name's type prefix;
    // the prefix errors are raised as TextError and nothing is added. The
    // caller draws the id from the module's counter and has checked that
    // the name is not in the set yet.
    Entry& Add(std::string name, int32_t id);
    // False when the name is not in the set.
    bool Remove(std::string_view name);
    bool SetAccess(std::string_view name, VariableAccess access);
    // Steps the named variable's access with NextAccess; false when absent.
    bool StepAccess(std::string_view name);

    // 0 when absent.
    int32_t FindId(std::string_view name) const;
    Entry* Find(std::string_view name);
    // nullptr when no variable has that id (it has been deleted).
    Entry* FindById(int32_t id);
    const Entry* FindById(int32_t id) const;
    // 0 for an empty set; a module's id counter starts past it.
    int32_t LargestId() const;

    size_t Size() const { return entries_.size(); }
    const std::vector<Entry>& Entries() const { return entries_; }

    // Names in order, each followed by " [Read]", " [ModW]" or " [AnyW]"
    // when withAccess is set.
    std::vector<std::string> DisplayList(bool withAccess) const;

    // Set by every change through this class, and by writers of a value
    // (the interpreter) through MarkModified; cleared by a load and, once
    // the file is safely written, by the owner.
    bool Modified() const { return modified_; }
    void MarkModified() { modified_ = true; }
    void ClearModified() { modified_ = false; }

    // Stored form: count, then per variable id, access, name and value.
    // Always written with every value (version 1.0).
    void Write(ByteWriter& writer) const;
    // Replaces the set. Truncated data raises "Unexpected end of file when
    // loading a module."; an invalid name prefix its own message; an id of
    // 0 or one used twice, an unknown access or type code, or a value that
    // does not match its name's type raise the corrupt-module message. On
    // failure the set is left as it was.
    void Load(ByteReader& reader, ModuleFileVersion version);

private:
    std::vector<Entry> entries_;
    bool modified_ = false;
};

}  // namespace parlevox
