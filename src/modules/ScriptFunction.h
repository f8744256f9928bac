#pragma once
// One script function of a module: its source as the editor holds it, its
// compiled tree (absent until compiled), its local variables and the two
// values the editor keeps with it.
#include <cstdint>
#include <memory>
#include <string>

#include "script/ParseTree.h"
#include "script/VariableDefinitions.h"

namespace parlevox {

class ByteReader;
class ByteWriter;

class CScriptFunction {
public:
    // A function made in the editor: its name, then an empty body.
    static constexpr const char* kNewSourceTail = " <>\r\n  {\r\n  }\r\n";

    CScriptFunction() = default;
    explicit CScriptFunction(std::string name);  // with the new-function source, editor value 1 set

    const std::string& Name() const { return name_; }
    const std::string& Source() const { return source_; }
    // Keeps the tree: the editor warns that the newest source is not compiled.
    void SetSource(std::string source);
    // Set once the source changed after the tree was made.
    bool SourceChangedSinceCompile() const { return sourceChangedSinceCompile_; }

    const CParseTree* Tree() const { return tree_.get(); }
    void SetTree(std::unique_ptr<CParseTree> tree);
    void DropTree();

    CVariableDefinitions& Locals() { return locals_; }
    const CVariableDefinitions& Locals() const { return locals_; }

    int32_t EditorValue1() const { return editorValue1_; }
    int32_t EditorValue2() const { return editorValue2_; }
    void SetEditorValues(int32_t first, int32_t second) { editorValue1_ = first; editorValue2_ = second; }

    // Its own flag or its locals' (a value a run wrote).
    bool Modified() const { return modified_ || locals_.Modified(); }
    void MarkModified() { modified_ = true; }
    void ClearModified();

    // Set when the stored tree named a local, module-wide or system variable
    // that is not there (a tree from another version of the module): the
    // loader dropped it, to compile the source again once modules are in.
    bool NeedsRecompile() const { return recompile_; }
    void SetNeedsRecompile(bool needed) { recompile_ = needed; }

    // Name, source, editor values, locals, tree present, tree.
    void Write(ByteWriter& writer) const;
    // Throws TextError with the module loader's texts.
    static std::unique_ptr<CScriptFunction> Read(ByteReader& reader, ModuleFileVersion version);

private:
    friend class CScriptModule;  // renames go through the module, which keeps calls' index current
    void Rename(std::string name);

    std::string name_;
    std::string source_;
    std::unique_ptr<CParseTree> tree_;
    CVariableDefinitions locals_;
    int32_t editorValue1_ = 0;
    int32_t editorValue2_ = 0;
    bool modified_ = false;
    bool sourceChangedSinceCompile_ = false;
    bool recompile_ = false;
};

}  // namespace parlevox
