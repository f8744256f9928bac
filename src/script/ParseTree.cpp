#include "script/ParseTree.h"

#include <utility>

#include "common/ByteReader.h"
#include "common/StringRecord.h"
#include "common/TextError.h"
#include "script/ScriptGrammar.h"
#include "script/VariableTexts.h"

namespace parlevox {
namespace {

size_t NonterminalCount(const CScriptGrammar& grammar, int production) {
    size_t count = 0;
    for (int symbol : grammar.RightSide(production)) count += grammar.IsTerminal(symbol) ? 0 : 1;
    return count;
}

// The nonterminal the production's index-th child stands for.
int NonterminalAt(const CScriptGrammar& grammar, int production, size_t index) {
    for (int symbol : grammar.RightSide(production)) {
        if (grammar.IsTerminal(symbol)) continue;
        if (index-- == 0) return symbol;
    }
    return -1;
}

// One node's own fields and child count, checked against what the parent
// expects there. The children follow.
std::unique_ptr<CParseTree> ReadNode(ByteReader& reader, int expected, size_t& childCount) {
    const CScriptGrammar& grammar = CScriptGrammar::Instance();
    auto node = std::make_unique<CParseTree>(reader.ReadI32());
    node->SetNumber(reader.ReadI32());
    VariableReference variable;
    variable.scope = reader.ReadI32();
    variable.id = reader.ReadI32();
    node->SetVariable(variable);
    node->SetText(ReadString(reader));
    int32_t count = reader.ReadI32();
    int32_t production = node->Production();
    if (production < 0 || production >= grammar.ProductionCount() || grammar.LeftSide(production) != expected ||
        count < 0 || static_cast<size_t>(count) != NonterminalCount(grammar, production)) {
        throw TextError(kModuleCorrupt);
    }
    childCount = static_cast<size_t>(count);
    return node;
}

}  // namespace

CParseTree::~CParseTree() {
    std::vector<std::unique_ptr<CParseTree>> pending = std::move(children_);
    while (!pending.empty()) {
        std::unique_ptr<CParseTree> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children_) pending.push_back(std::move(child));
        node->children_.clear();
    }
}

CParseTree& CParseTree::AddChild(std::unique_ptr<CParseTree> child) {
    children_.push_back(std::move(child));
    return *children_.back();
}

std::vector<int32_t> CParseTree::ProductionTrace() const {
    std::vector<int32_t> trace;
    std::vector<const CParseTree*> pending{this};
    while (!pending.empty()) {
        const CParseTree* node = pending.back();
        pending.pop_back();
        trace.push_back(node->production_);
        for (auto child = node->children_.rbegin(); child != node->children_.rend(); ++child) pending.push_back(child->get());
    }
    return trace;
}

bool CParseTree::operator==(const CParseTree& other) const {
    std::vector<std::pair<const CParseTree*, const CParseTree*>> pending{{this, &other}};
    while (!pending.empty()) {
        auto [a, b] = pending.back();
        pending.pop_back();
        if (a->production_ != b->production_ || a->number_ != b->number_ || !(a->variable_ == b->variable_) ||
            a->text_ != b->text_ || a->children_.size() != b->children_.size()) {
            return false;
        }
        for (size_t i = 0; i < a->children_.size(); ++i) pending.emplace_back(a->children_[i].get(), b->children_[i].get());
    }
    return true;
}

std::string CParseTree::ParameterSignature(const std::function<std::string(VariableReference)>& typeOf) const {
    const CParseTree* node = this;
    if (node->production_ == production::kFunction && !node->children_.empty()) node = node->children_[0].get();
    if (node->production_ != production::kParameters || node->children_.empty()) return {};
    std::string signature;
    node = node->children_[0].get();
    while (node != nullptr && (node->production_ == production::kParameter ||
                               node->production_ == production::kParameterList)) {
        // The parameter's variable is the innermost LHS: a subscript's base.
        const CParseTree* lhs = node->children_.empty() ? nullptr : node->children_[0].get();
        while (lhs != nullptr && lhs->production_ != production::kLhsVariable) {
            lhs = lhs->children_.empty() ? nullptr : lhs->children_[0].get();
        }
        if (lhs != nullptr) signature += typeOf(lhs->variable_);
        bool more = node->production_ == production::kParameterList && node->children_.size() > 1;
        node = more ? node->children_[1].get() : nullptr;
    }
    return signature;
}

void CParseTree::Write(ByteWriter& writer) const {
    std::vector<const CParseTree*> pending{this};
    while (!pending.empty()) {
        const CParseTree* node = pending.back();
        pending.pop_back();
        writer.WriteI32(node->production_);
        writer.WriteI32(node->number_);
        writer.WriteI32(node->variable_.scope);
        writer.WriteI32(node->variable_.id);
        WriteString(writer, node->text_);
        writer.WriteI32(static_cast<int32_t>(node->children_.size()));
        for (auto child = node->children_.rbegin(); child != node->children_.rend(); ++child) pending.push_back(child->get());
    }
}

std::unique_ptr<CParseTree> CParseTree::Read(ByteReader& reader) {
    const CScriptGrammar& grammar = CScriptGrammar::Instance();
    struct Open {
        CParseTree* node;
        size_t childCount;
    };
    size_t childCount = 0;
    std::unique_ptr<CParseTree> root = ReadNode(reader, grammar.StartSymbol(), childCount);
    std::vector<Open> open{{root.get(), childCount}};
    while (!open.empty()) {
        Open& top = open.back();
        if (top.node->children_.size() == top.childCount) {
            open.pop_back();
            continue;
        }
        if (open.size() >= static_cast<size_t>(kMaxDepth)) throw TextError(kModuleCorrupt);
        int expected = NonterminalAt(grammar, top.node->production_, top.node->children_.size());
        CParseTree& child = top.node->AddChild(ReadNode(reader, expected, childCount));
        open.push_back({&child, childCount});
    }
    return root;
}

}  // namespace parlevox
