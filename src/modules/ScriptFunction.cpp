#include "modules/ScriptFunction.h"

#include "common/StringRecord.h"
#include "script/ModuleRecords.h"

namespace parlevox {

CScriptFunction::CScriptFunction(std::string name)
    : name_(std::move(name)), source_(name_ + kNewSourceTail), editorValue1_(1), modified_(true) {}

void CScriptFunction::Rename(std::string name) {
    name_ = std::move(name);
    modified_ = true;
}

void CScriptFunction::SetSource(std::string source) {
    if (source == source_) return;
    source_ = std::move(source);
    sourceChangedSinceCompile_ = true;
    modified_ = true;
}

void CScriptFunction::SetTree(std::unique_ptr<CParseTree> tree) {
    tree_ = std::move(tree);
    sourceChangedSinceCompile_ = false;
    recompile_ = false;
    modified_ = true;
}

void CScriptFunction::DropTree() {
    tree_.reset();
    modified_ = true;
}

void CScriptFunction::ClearModified() {
    modified_ = false;
    locals_.ClearModified();
}

void CScriptFunction::Write(ByteWriter& writer) const {
    WriteString(writer, name_);
    WriteString(writer, source_);
    writer.WriteI32(editorValue1_);
    writer.WriteI32(editorValue2_);
    locals_.Write(writer);
    writer.WriteI32(tree_ ? 1 : 0);
    if (tree_) tree_->Write(writer);
}

std::unique_ptr<CScriptFunction> CScriptFunction::Read(ByteReader& reader, ModuleFileVersion version) {
    auto function = std::make_unique<CScriptFunction>();
    function->name_ = ReadString(reader);
    function->source_ = ReadString(reader);
    function->editorValue1_ = ReadModuleInt(reader);
    function->editorValue2_ = ReadModuleInt(reader);
    function->locals_.Load(reader, version);
    if (ReadModuleInt(reader) != 0) function->tree_ = CParseTree::Read(reader);
    return function;
}

}  // namespace parlevox
