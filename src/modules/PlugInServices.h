#pragma once
// What the plug-in host reaches above the modules layer: the settings store
// (supplied by the application object) and the chat session's windows and
// command processor (supplied while a session exists).
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "modules/PlugInPictureWnd.h"

namespace parlevox {

// A plug-in's own settings, in the section "Plug-in " + its name.
class PlugInSettingsAccess {
public:
    virtual ~PlugInSettingsAccess() = default;
    virtual int ReadInt(std::string_view plugIn, std::string_view key, int defaultValue) = 0;
    virtual void WriteInt(std::string_view plugIn, std::string_view key, int value) = 0;
    virtual std::string ReadString(std::string_view plugIn, std::string_view key, std::string_view defaultValue) = 0;
    virtual void WriteString(std::string_view plugIn, std::string_view key, std::string_view value) = 0;
};

class PlugInWindowHost {
public:
    virtual ~PlugInWindowHost() = default;
    // The four words of WndTextNew; false when a word is not valid.
    virtual bool OpenTextWindow(std::span<const std::string> words) = 0;
    // False when no text window has that name.
    virtual bool WriteTextWindow(const std::string& name, const std::string& text) = 0;
    // As if typed in the status window.
    virtual void RunCommandLine(const std::string& line) = 0;
    // Null: the window has no view (no front end shows pictures).
    virtual std::unique_ptr<PlugInPictureView> MakePictureView(CPlugInPictureWnd& window) = 0;
};

}  // namespace parlevox
