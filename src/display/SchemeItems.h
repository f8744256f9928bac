#pragma once
// The items a scheme is made of. Items refer to one another by position in
// their scheme's item list (-1 for none). Drawables draw themselves into a
// 24-bit image; actions run; fonts and sounds are used by others.
#include <memory>
#include <string>
#include <string_view>

#include "display/CommandRunner.h"
#include "display/RawBitmap.h"

namespace parlevox {

class CScheme;
class AudioOutput;

enum class SchemeItemKind { Image, Fadebox, Hotspot, Font, Sound, Url, Command };

class CSchemeItem {
public:
    static constexpr size_t kMaxNameLength = 32;

    virtual ~CSchemeItem() = default;

    virtual SchemeItemKind Kind() const = 0;
    // The type of the item's record in a scheme file.
    virtual const char* RecordType() const = 0;
    virtual std::unique_ptr<CSchemeItem> Clone() const = 0;

    const std::string& Name() const { return name_; }
    // Longer names are cut to kMaxNameLength characters.
    void SetName(std::string_view name);
    // The scheme whose item list holds the item; null while it is in none.
    CScheme* Owner() const { return owner_; }
    void SetOwner(CScheme* owner) { owner_ = owner; }

protected:
    explicit CSchemeItem(std::string_view name) { SetName(name); }
    CSchemeItem(const CSchemeItem& other) : name_(other.name_) {}  // a copy belongs to no scheme yet
    CSchemeItem& operator=(const CSchemeItem&) = delete;

private:
    std::string name_;
    CScheme* owner_ = nullptr;
};

// Where a scheme is being drawn: the client size the anchored points are
// evaluated for, and the offset added to every position (to draw a part of
// the client area into a smaller image).
struct SchemeDrawArea {
    int width = 0;
    int height = 0;
    int offsetX = 0;
    int offsetY = 0;
};

enum class HotspotLook { Normal, MouseOver, Pressed };

class CSchemeDrawable : public CSchemeItem {
public:
    // look concerns hot spots only.
    virtual void Draw(CRawBitmap& target, const SchemeDrawArea& area, HotspotLook look) const = 0;

protected:
    using CSchemeItem::CSchemeItem;
};

// What running an action needs: the command processor and the owning
// window's context.
class UserInterface;

struct ActionContext {
    CommandRunner* commands = nullptr;
    CommandContext window;
    UserInterface* ui = nullptr;  // for the URL boxes; none: they are not shown
};

class CSchemeAction : public CSchemeItem {
public:
    virtual void Run(const ActionContext& context) const = 0;
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }

protected:
    CSchemeAction(std::string_view name, std::string text) : CSchemeItem(name), text_(std::move(text)) {}

private:
    std::string text_;
};

// A web address; only "http://" and "ftp://" ones are opened.
class CSchemeURL final : public CSchemeAction {
public:
    explicit CSchemeURL(std::string_view name = {}, std::string address = {})
        : CSchemeAction(name, std::move(address)) {}
    SchemeItemKind Kind() const override { return SchemeItemKind::Url; }
    const char* RecordType() const override { return "URL"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeURL>(*this); }
    // Shows a "URL Error" box when the address is not valid or cannot be opened.
    void Run(const ActionContext& context) const override;
};

// A command line, run as if typed in the owning window.
class CSchemeCommand final : public CSchemeAction {
public:
    explicit CSchemeCommand(std::string_view name = {}, std::string line = {})
        : CSchemeAction(name, std::move(line)) {}
    SchemeItemKind Kind() const override { return SchemeItemKind::Command; }
    const char* RecordType() const override { return "COMMAND"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeCommand>(*this); }
    // Nothing happens without a command runner.
    void Run(const ActionContext& context) const override;
};

// The complete bytes of a wave file; the item's name is the sound's file name.
class CSchemeSound final : public CSchemeItem {
public:
    explicit CSchemeSound(std::string_view fileName = {}, std::string wave = {})
        : CSchemeItem(fileName), wave_(std::move(wave)) {}
    SchemeItemKind Kind() const override { return SchemeItemKind::Sound; }
    const char* RecordType() const override { return "SOUND"; }
    std::unique_ptr<CSchemeItem> Clone() const override { return std::make_unique<CSchemeSound>(*this); }

    const std::string& Wave() const { return wave_; }
    void SetWave(std::string wave) { wave_ = std::move(wave); }
    // Plays the wave from memory; false when the output cannot.
    bool Play(AudioOutput& output) const;

private:
    std::string wave_;
};

}  // namespace parlevox
