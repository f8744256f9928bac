#include "script/ScriptParser.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

#include "script/BracketDepthIndex.h"
#include "script/ScriptGrammar.h"
#include "script/ScriptParserTexts.h"

namespace parlevox {
namespace {

// A production already expanded this often since the last consumed token is
// not tried again there: it would only recurse on itself.
constexpr int kMaxRepeatedExpansions = 10;

// Derivations being recorded inside one another. Each end of a derivation
// is noted in every recording around it, so chains nested deeper than this
// (long operator or else-if chains) record only their outer levels.
constexpr int kMaxOpenRecordings = 64;

// Ends the whole compilation, whatever branch is being tried.
struct ParseAbort {
    const char* text;
    int tokenIndex;
};

struct ParseContext {
    const CScriptGrammar& grammar;
    const TokenList& tokens;
    std::vector<int> terminals;
    BracketDepthIndex depths;
    ParseProgress* progress;
    uint64_t workBudget;
    uint64_t work = 0;
    uint64_t repeatSkips = 0;  // productions passed over by the repetition rule
    int furthest = 0;

    void Reached(int index) {
        if (index <= furthest) return;
        furthest = index;
        if (progress != nullptr) progress->SetPosition(index);
    }
};

std::vector<int> TerminalsOf(const TokenList& tokens, const CScriptGrammar& grammar) {
    std::vector<int> terminals;
    terminals.reserve(tokens.size());
    for (const auto& token : tokens) terminals.push_back(grammar.TerminalOf(token->Kind()));
    return terminals;
}

void CopyTokenData(const CToken& token, CParseTree& node) {
    switch (token.Kind()) {
        case TokenKind::Number: node.SetNumber(token.Number()); break;
        case TokenKind::Variable: node.SetVariable(token.Variable()); break;
        case TokenKind::String:
        case TokenKind::IRCCommand:
        case TokenKind::Function: node.SetText(token.Text()); break;
        default: break;
    }
}

// Parses the tokens [begin, end) as one symbol. Backtracking is iterative:
// the stack of expected symbols and the expansion list are linked lists in
// arenas that a choice point truncates back to when its branch fails. The
// productions applied go to a log that is never truncated: each branch is a
// chain through it, so a derivation found once can be replayed as a link.
class RangeParser {
public:
    RangeParser(ParseContext& context, int begin, int end, int baseDepth, int nesting)
        : context_(context), grammar_(context.grammar), begin_(begin), end_(end), baseDepth_(baseDepth),
          nesting_(nesting) {}

    std::unique_ptr<CParseTree> Parse(int symbol) {
        stack_ = PushFrame(symbol, baseDepth_, -1);
        index_ = begin_;
        for (;;) {
            if (Advance()) return Build(symbol);
            if (!Retry()) return nullptr;
        }
    }

private:
    struct Frame {
        int symbol;  // negative: the end of a recorded derivation
        int depth;   // of the node this symbol becomes
        int next;
    };
    struct Expansion {
        int production;
        int next;
    };
    // A production applied; the log's chains list them in pre-order. A split
    // production carries its parsed parts and where it resumed. A replayed
    // derivation stands for the chain (replayFrom, replayTo].
    struct Step {
        int production = -1;
        int binaryOp = -1;
        int resume = -1;
        int firstPart = -1;
        int prev = -1;
        int replayFrom = -1;
        int replayTo = -1;
    };
    struct Completion {
        int end;   // the token after the derivation
        int from;  // its steps: the chain (from, to]
        int to;
    };
    using Completions = std::vector<Completion>;
    struct Recording {
        int from;
        uint64_t repeatSkips;
        Completions completions;
    };
    struct Choice {
        int stack, index, expanded, trace, openRecordings;
        size_t frames, expansions;
        int nonterminal, depth;
        size_t next = 0;
        uint64_t key = 0;
        int recording = -1;                   // collecting the derivations
        const Completions* replay = nullptr;  // or replaying them
    };

    int PushFrame(int symbol, int depth, int next) {
        frames_.push_back({symbol, depth, next});
        return static_cast<int>(frames_.size() - 1);
    }

    void AddStep(Step step) {
        step.prev = trace_;
        log_.push_back(step);
        trace_ = static_cast<int>(log_.size() - 1);
    }

    void Consume(int newIndex) {
        index_ = newIndex;
        expanded_ = -1;
        context_.Reached(newIndex);
    }

    void CountWork() {
        if (++context_.work > context_.workBudget) throw ParseAbort{kFunctionTooComplex, context_.furthest};
    }

    // Runs the current branch until it succeeds or fails.
    bool Advance() {
        for (;;) {
            if (stack_ < 0) return index_ == end_;
            Frame frame = frames_[static_cast<size_t>(stack_)];
            stack_ = frame.next;
            if (frame.symbol < 0) {
                Record(-1 - frame.symbol);
                continue;
            }
            if (index_ == end_) return false;
            int terminal = context_.terminals[static_cast<size_t>(index_)];
            if (grammar_.IsTerminal(frame.symbol)) {
                if (frame.symbol != terminal) return false;
                Consume(index_ + 1);
                continue;
            }
            if (frame.depth > CParseTree::kMaxDepth) throw ParseAbort{kFunctionNestedTooDeeply, index_};
            if (grammar_.Prediction(frame.symbol, terminal).empty()) return false;
            Choice choice{stack_, index_, expanded_, trace_, openRecordings_, frames_.size(), expansions_.size(),
                          frame.symbol, frame.depth};
            if (IsMemoized(frame.symbol)) Memoize(choice);
            choices_.push_back(choice);
            if (!TryAlternatives(choices_.back())) {
                PopChoice();
                return false;
            }
        }
    }

    // Resumes the newest choice point that still has an alternative.
    bool Retry() {
        while (!choices_.empty()) {
            if (TryAlternatives(choices_.back())) return true;
            PopChoice();
        }
        return false;
    }

    bool TryAlternatives(Choice& choice) {
        if (choice.replay != nullptr) return Replay(choice);
        auto cell = grammar_.Prediction(choice.nonterminal, context_.terminals[static_cast<size_t>(choice.index)]);
        while (choice.next < cell.size()) {
            int production = cell[choice.next++];
            Restore(choice);
            if (Occurrences(production) >= kMaxRepeatedExpansions) {
                ++context_.repeatSkips;
                continue;
            }
            CountWork();
            expansions_.push_back({production, expanded_});
            expanded_ = static_cast<int>(expansions_.size() - 1);
            // Below the production's symbols: notes each derivation as it ends.
            if (choice.recording >= 0) {
                stack_ = PushFrame(-1 - choice.recording, choice.depth, stack_);
                ++openRecordings_;
            }
            if (Apply(production, choice.depth)) return true;
        }
        return false;
    }

    void Restore(const Choice& choice) {
        stack_ = choice.stack;
        index_ = choice.index;
        expanded_ = choice.expanded;
        trace_ = choice.trace;
        openRecordings_ = choice.openRecordings;
        frames_.resize(choice.frames);
        expansions_.resize(choice.expansions);
    }

    int Occurrences(int production) const {
        int count = 0;
        for (int at = expanded_; at >= 0; at = expansions_[static_cast<size_t>(at)].next) {
            count += expansions_[static_cast<size_t>(at)].production == production ? 1 : 0;
        }
        return count;
    }

    // A statement, block or expression is derived once per place however
    // often the alternatives around it need it: nested blocks, if-else and
    // lists would otherwise double the work at each level. The derivations
    // are replayed in the order they were first found, so the parse comes
    // out the same.
    bool IsMemoized(int symbol) const { return symbol == statement_ || symbol == block_ || symbol == expression_; }

    void Memoize(Choice& choice) {
        choice.key = static_cast<uint64_t>(choice.nonterminal) << 48 | static_cast<uint64_t>(choice.depth) << 32 |
                     static_cast<uint32_t>(choice.index);
        auto found = memo_.find(choice.key);
        if (found != memo_.end()) {
            choice.replay = &found->second;
            return;
        }
        if (openRecordings_ >= kMaxOpenRecordings) return;
        choice.recording = static_cast<int>(recordings_.size());
        recordings_.push_back({trace_, context_.repeatSkips, {}});
    }

    void Record(int recording) {
        CountWork();
        --openRecordings_;
        Recording& record = recordings_[static_cast<size_t>(recording)];
        record.completions.push_back({index_, record.from, trace_});
    }

    // Every derivation has been tried: keep them, unless the repetition rule
    // cut some, as that depends on what came before.
    void PopChoice() {
        Choice& choice = choices_.back();
        if (choice.recording >= 0) {
            Recording& record = recordings_[static_cast<size_t>(choice.recording)];
            if (context_.repeatSkips == record.repeatSkips) memo_.emplace(choice.key, std::move(record.completions));
            record.completions = {};
        }
        choices_.pop_back();
    }

    bool Replay(Choice& choice) {
        if (choice.next >= choice.replay->size()) return false;
        Restore(choice);
        const Completion& completion = (*choice.replay)[choice.next++];
        CountWork();
        AddStep({.replayFrom = completion.from, .replayTo = completion.to});
        Consume(completion.end);
        return true;
    }

    bool Apply(int production, int depth) {
        switch (production) {
            case production::kBinaryExpression: return SplitAtOperator(depth);
            case production::kLhsAngleSubscript:
            case production::kLhsSquareSubscript:
            case production::kSquareSubscript:
            case production::kAngleSubscript: return SplitAtSubscript(production, depth);
            default: break;
        }
        AddStep({.production = production});
        auto right = grammar_.RightSide(production);
        for (auto symbol = right.rbegin(); symbol != right.rend(); ++symbol) stack_ = PushFrame(*symbol, depth + 1, stack_);
        return true;
    }

    // Expression BinaryOp Expression: the tokens left of the leftmost
    // operator form the left operand by themselves.
    bool SplitAtOperator(int depth) {
        int at = -1;
        int op = -1;
        for (int candidate = production::kFirstBinaryOp; candidate <= production::kLastBinaryOp; ++candidate) {
            int found = context_.depths.Find(index_, end_, grammar_.RightSide(candidate)[0]);
            if (found >= 0 && (at < 0 || found < at)) {
                at = found;
                op = candidate;
            }
        }
        if (at < 0) return false;
        auto right = grammar_.RightSide(production::kBinaryExpression);
        std::unique_ptr<CParseTree> left = ParsePart(index_, at, right[0], depth + 1);
        if (left == nullptr) return false;
        AddStep({.production = production::kBinaryExpression, .binaryOp = op, .resume = at + 1,
                 .firstPart = static_cast<int>(parts_.size())});
        parts_.push_back(std::move(left));
        Consume(at + 1);
        stack_ = PushFrame(right[2], depth + 1, stack_);
        return true;
    }

    // Base Open Expression Close: the base and the subscript are parsed by
    // themselves and the parse goes on after the closing bracket.
    bool SplitAtSubscript(int production, int depth) {
        auto right = grammar_.RightSide(production);
        int open = context_.depths.Find(index_, end_, right[1]);
        if (open < 0) return false;
        int close = context_.depths.Find(open + 1, end_, right[3]);
        if (close < 0) return false;
        std::unique_ptr<CParseTree> base = ParsePart(index_, open, right[0], depth + 1);
        if (base == nullptr) return false;
        std::unique_ptr<CParseTree> subscript = ParsePart(open + 1, close, right[2], depth + 1);
        if (subscript == nullptr) return false;
        AddStep({.production = production, .resume = close + 1, .firstPart = static_cast<int>(parts_.size())});
        parts_.push_back(std::move(base));
        parts_.push_back(std::move(subscript));
        Consume(close + 1);
        return true;
    }

    std::unique_ptr<CParseTree> ParsePart(int begin, int end, int symbol, int depth) {
        if (nesting_ + 1 > ScriptParser::kMaxRangeNesting) throw ParseAbort{kFunctionNestedTooDeeply, begin};
        auto part = std::make_unique<RangeParser>(context_, begin, end, depth, nesting_ + 1);
        return part->Parse(symbol);
    }

    // The successful branch's steps in the order they were applied, replayed
    // derivations spelled out.
    std::vector<const Step*> AppliedSteps() const {
        struct Walk {
            int at;
            int stop;
        };
        std::vector<const Step*> steps;
        std::vector<Walk> walks{{trace_, -1}};
        while (!walks.empty()) {
            Walk& walk = walks.back();
            if (walk.at == walk.stop) {
                walks.pop_back();
                continue;
            }
            const Step& step = log_[static_cast<size_t>(walk.at)];
            walk.at = step.prev;
            if (step.production < 0) {
                walks.push_back({step.replayTo, step.replayFrom});
            } else {
                steps.push_back(&step);
            }
        }
        std::reverse(steps.begin(), steps.end());
        return steps;
    }

    // Replays the applied steps with the tokens they consumed.
    std::unique_ptr<CParseTree> Build(int symbol) {
        struct Pending {
            int symbol;
            CParseTree* owner;
        };
        std::vector<const Step*> steps = AppliedSteps();
        std::unique_ptr<CParseTree> root;
        std::vector<Pending> pending{{symbol, nullptr}};
        size_t next = 0;
        int cursor = begin_;
        while (!pending.empty()) {
            Pending expected = pending.back();
            pending.pop_back();
            if (grammar_.IsTerminal(expected.symbol)) {
                CopyTokenData(*context_.tokens[static_cast<size_t>(cursor++)], *expected.owner);
                continue;
            }
            const Step& applied = *steps[next++];
            auto node = std::make_unique<CParseTree>(applied.production);
            CParseTree* added =
                expected.owner != nullptr ? &expected.owner->AddChild(std::move(node)) : (root = std::move(node)).get();
            if (applied.firstPart >= 0) {
                auto part = static_cast<size_t>(applied.firstPart);
                added->AddChild(std::move(parts_[part]));
                if (applied.binaryOp >= 0) {
                    added->AddChild(std::make_unique<CParseTree>(applied.binaryOp));
                    pending.push_back({grammar_.RightSide(applied.production)[2], added});
                } else {
                    added->AddChild(std::move(parts_[part + 1]));
                }
                cursor = applied.resume;
                continue;
            }
            auto right = grammar_.RightSide(applied.production);
            for (auto at = right.rbegin(); at != right.rend(); ++at) pending.push_back({*at, added});
        }
        return root;
    }

    ParseContext& context_;
    const CScriptGrammar& grammar_;
    const int begin_;
    const int end_;
    const int baseDepth_;
    const int nesting_;
    const int statement_ = grammar_.SymbolNumber("Statement");
    const int block_ = grammar_.SymbolNumber("Block");
    const int expression_ = grammar_.SymbolNumber("Expression");

    int stack_ = -1;
    int index_ = 0;
    int expanded_ = -1;
    int trace_ = -1;
    int openRecordings_ = 0;
    std::vector<Frame> frames_;
    std::vector<Expansion> expansions_;
    std::vector<Step> log_;
    std::vector<std::unique_ptr<CParseTree>> parts_;
    std::vector<Choice> choices_;
    std::vector<Recording> recordings_;
    std::unordered_map<uint64_t, Completions> memo_;
};

ParseFailure FailureAt(const char* text, int tokenIndex, const TokenList& tokens, uint32_t sourceLength) {
    auto index = static_cast<size_t>(tokenIndex);
    return ParseFailure{text, index < tokens.size() ? tokens[index]->Offset() : sourceLength};
}

}  // namespace

ParseResult ScriptParser::Compile(const TokenList& tokens, uint32_t sourceLength, ParseProgress* progress,
                                  uint64_t workBudget) {
    const CScriptGrammar& grammar = CScriptGrammar::Instance();
    std::vector<int> terminals = TerminalsOf(tokens, grammar);
    BracketDepthIndex depths(terminals, grammar);
    ParseContext context{grammar, tokens, std::move(terminals), std::move(depths), progress, workBudget};
    if (progress != nullptr) progress->SetRange(0, static_cast<int32_t>(tokens.size()));
    try {
        RangeParser parser(context, 0, static_cast<int>(tokens.size()), 1, 0);
        std::unique_ptr<CParseTree> tree = parser.Parse(grammar.StartSymbol());
        if (tree != nullptr) return tree;
        return FailureAt(kSyntaxError, context.furthest, tokens, sourceLength);
    } catch (const ParseAbort& abort) {
        return FailureAt(abort.text, abort.tokenIndex, tokens, sourceLength);
    }
}

}  // namespace parlevox
