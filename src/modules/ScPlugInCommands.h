#pragma once
// The plug-ins' commands for scripts and for "/" lines. A script call must
// bring a value of the command's type string, or the call writes the
// incorrect-parameters line (with the command's prefix) and the plug-in is
// not called; a "/" line's words become the value as for script functions.
// Asked after the modules' functions, before the built-in commands.
#include "commands/CommandSource.h"
#include "irc/ColourCodes.h"
#include "modules/ScPlugInHost.h"
#include "modules/ScriptCalls.h"

namespace parlevox {

class ScPlugInCommands final : public ScriptCallable, public CommandSource {
public:
    // Both outlive this; the colours are read at each call.
    ScPlugInCommands(CScPlugInHost& host, const ColourCodes& colours) : host_(host), colours_(colours) {}

    bool Has(std::string_view name) const override { return host_.HasCommand(name); }
    CVariable Call(std::string_view name, const CVariable& argument, ScriptRunContext& context) override;
    bool TryRun(std::string_view name, std::span<const std::string_view> words, const CommandCall& call) override;

private:
    CScPlugInHost& host_;
    const ColourCodes& colours_;
};

}  // namespace parlevox
