#include "commands/CommandEnvironment.h"

#include <fmt/printf.h>

#include "commands/CommandOutput.h"
#include "commands/CommandTexts.h"
#include "irc/NetworkControl.h"
#include "irc/NetworkMessages.h"
#include "platform/EventLoop.h"

namespace parlevox {

CommandEnvironment::CommandEnvironment(EventLoop& loop, WindowHandle networkWindow, const ConnectionState& connection,
                                       CommandHost& host, const CommandSettings& settings)
    : loop_(loop), networkWindow_(networkWindow), connection_(connection), host_(host) {
    SetSettings(settings);
}

void CommandEnvironment::SetSettings(const CommandSettings& settings) {
    settings_ = settings;
    files_.SetProgramFolder(settings_.programFolder);
    for (int slot = 0; slot < ColourCodes::kSlots; ++slot)
        colourCodes_[static_cast<size_t>(slot)] = settings_.colours.Code(slot);
}

const std::string& CommandEnvironment::Colour(int slot) const {
    return colourCodes_[slot >= 0 && slot < ColourCodes::kSlots ? static_cast<size_t>(slot) : 0];
}

void CommandEnvironment::Send(const std::string& line) const { SendToServer(loop_, networkWindow_, line); }

void CommandEnvironment::FeedParser(std::string line) const {
    loop_.PostMessage(networkWindow_, WindowMessage(netmsg::kLineReceived, std::move(line)));
}

void CommandEnvironment::EchoOrCapture(CommandOutput& output, const std::string& echo, const std::string& sent) {
    if (capture_ == "!")
        capture_ = sent;
    else
        output.AddLine(echo);
}

void CommandEnvironment::NotAvailable(CommandOutput& output, const std::string& name) const {
    output.AddLine(fmt::sprintf(texts::kNotAvailable, Colour(colour::kProblem), name));
}

uint64_t CommandEnvironment::KeepPending(std::shared_ptr<void> token) {
    uint64_t id = nextPending_++;
    pending_.emplace(id, std::move(token));
    return id;
}

}  // namespace parlevox
