#pragma once
// A compiled script function: one node per production applied. The data of
// the production's terminals (a number, a variable, a text) sit in its node;
// its nonterminals are the children, in the order the production names them.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "script/VariableReference.h"

namespace parlevox {

class ByteReader;
class ByteWriter;

class CParseTree {
public:
    // How deep a tree may nest: the parser refuses deeper sources and the
    // reader deeper stored trees, so walking one recursively stays cheap. A
    // statement list nests one level per statement, an operator chain one
    // per operator.
    static constexpr int kMaxDepth = 4000;

    explicit CParseTree(int32_t production = -1) : production_(production) {}
    ~CParseTree();  // iterative: a long statement list is a deep tree
    CParseTree(const CParseTree&) = delete;
    CParseTree& operator=(const CParseTree&) = delete;

    int32_t Production() const { return production_; }
    const std::vector<std::unique_ptr<CParseTree>>& Children() const { return children_; }
    const CParseTree& Child(size_t index) const { return *children_[index]; }
    CParseTree& AddChild(std::unique_ptr<CParseTree> child);

    int32_t Number() const { return number_; }
    void SetNumber(int32_t number) { number_ = number; }
    VariableReference Variable() const { return variable_; }
    void SetVariable(VariableReference variable) { variable_ = variable; }
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

    // A note the interpreter keeps on the node about how to evaluate it;
    // 0 until it has looked. Not part of the tree's value or stored form.
    uint8_t RunHint() const { return runHint_; }
    void SetRunHint(uint8_t hint) const { runHint_ = hint; }

    // Production numbers in pre-order.
    std::vector<int32_t> ProductionTrace() const;
    bool operator==(const CParseTree& other) const;

    // The types of a function's parameters, one type string per parameter
    // in order ("si" for <sNick, iCount>). Works on the function's root or
    // its parameter list; typeOf gives a variable's type string.
    std::string ParameterSignature(const std::function<std::string(VariableReference)>& typeOf) const;

    // The stored form: production, number, scope code, id, text (length and
    // bytes), child count, then the children; all integers little-endian.
    void Write(ByteWriter& writer) const;
    // A whole function's tree. Every node must be a production of the
    // nonterminal its parent expects, with the right number of children, and
    // no deeper than kMaxDepth; else throws TextError with the module
    // loader's texts (short data: end of file; the rest: corrupt).
    static std::unique_ptr<CParseTree> Read(ByteReader& reader);

private:
    int32_t production_;
    std::vector<std::unique_ptr<CParseTree>> children_;
    int32_t number_ = -1;
    VariableReference variable_{kScopeLocal, -1};
    std::string text_;
    mutable uint8_t runHint_ = 0;
};

}  // namespace parlevox
