// Telnet and dns: both wait for a name lookup. The answer is dropped when
// the processor has gone, and is not written when its output window has.
#include <charconv>

#include <fmt/printf.h>

#include "commands/BuiltInCommands.h"
#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "commands/HostAddressLookup.h"
#include "platform/HostNameLookup.h"

namespace parlevox {
namespace {

using K = ParamKind;

bool HasLetter(const std::string& text) {
    for (char c : text)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
    return false;
}

// Writes to the output if it is still there when the answer comes.
class LateOutput {
public:
    explicit LateOutput(CommandOutput& output) : output_(&output), alive_(output.Lifetime()) {}
    void AddLine(const std::string& line) const {
        if (auto alive = alive_.lock()) output_->AddLine(line);
    }

private:
    CommandOutput* output_;
    std::weak_ptr<const void> alive_;
};

// Runs `start` with a callback wrapper that forgets the pending lookup
// once it has answered.
template <typename Answer, typename Start>
void Await(CommandEnvironment& env, Start start, std::function<void(Answer)> handle) {
    auto id = std::make_shared<uint64_t>(0);
    auto token = start([&env, id, handle = std::move(handle)](Answer answer) {
        handle(std::move(answer));
        env.DropPending(*id);
    });
    *id = env.KeepPending(std::move(token));
}

std::optional<int> PortOf(const std::string& text) {
    if (text.empty()) return 23;
    int port = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) return std::nullopt;
    return port;
}

}  // namespace

C_scTelnet::C_scTelnet() : CCommand("Telnet", {K::Word, K::Rest}, "/telnet <host> [port]") {}
bool C_scTelnet::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string host = args.Text(0);
    std::optional<int> port = PortOf(args.Text(1));
    if (!port) {
        call.output.AddLine(fmt::sprintf(texts::kInvalidPort, env.Colour(colour::kProblem), args.Text(1)));
        return true;
    }
    if (!HasLetter(host) && !ParseDottedAddress(host)) {
        call.output.AddLine(fmt::sprintf(texts::kNotValidIpAddress, env.Colour(colour::kProblem)));
        return true;
    }
    LateOutput output(call.output);
    Await<std::optional<uint32_t>>(
        env, [&](auto done) { return LookUpHostAddress(env.Loop(), host, std::move(done)); },
        [&env, output, host, port = *port](std::optional<uint32_t> address) {
            if (!address) {
                output.AddLine(fmt::sprintf(texts::kCouldNotResolve, env.Colour(colour::kProblem), host));
                return;
            }
            env.FeedParser(fmt::sprintf(texts::kTelnetOffer, host, port, *address, port));
        });
    return true;
}

C_scDNS::C_scDNS() : CCommand("dns", {K::Rest}, "/dns <host name|IP address>") {}
bool C_scDNS::Execute(const CommandArgs& args, const CommandCall& call, CommandEnvironment& env) {
    const std::string query = args.Text(0);
    if (query.empty()) return false;
    LateOutput output(call.output);
    auto report = [&env, output, query](const std::optional<std::string>& answer) {
        if (answer)
            output.AddLine(fmt::sprintf(texts::kResolvesTo, env.Colour(colour::kInformation), query, *answer));
        else
            output.AddLine(fmt::sprintf(texts::kCouldNotResolve, env.Colour(colour::kProblem), query));
    };
    if (HasLetter(query)) {
        Await<std::optional<uint32_t>>(
            env, [&](auto done) { return LookUpHostAddress(env.Loop(), query, std::move(done)); },
            [report](std::optional<uint32_t> address) {
                report(address ? std::optional<std::string>(DottedAddress(*address)) : std::nullopt);
            });
        return true;
    }
    if (!ParseDottedAddress(query)) {
        call.output.AddLine(fmt::sprintf(texts::kNotValidIpAddress, env.Colour(colour::kProblem)));
        return true;
    }
    Await<const std::string&>(
        env, [&](auto done) { return LookUpHostName(env.Loop(), query, std::move(done)); },
        [report, query](const std::string& name) {
            // The lookup hands back the address itself when it has no name.
            report(name == query ? std::nullopt : std::optional<std::string>(name));
        });
    return true;
}

}  // namespace parlevox
