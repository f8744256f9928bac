#pragma once
// What the scheme editor window does with one installed scheme, without a
// toolkit: it edits a working copy taken from the scheme manager (the
// graphics in draw order, pictures, hot spot sounds and actions, colours,
// the text font, margins and usage) and hands it back on Apply and OK.
// Questions and errors go through the user interface. Every edit calls the
// change callback, so that a preview can repaint.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/Scheme.h"

namespace parlevox {

class CSchemeManager;
class UserInterface;

// One row of the graphics list: a draw-order entry.
struct SchemeGraphicRow {
    std::string name;
    SchemeItemKind kind;
    int position;  // in the item list
};

// One usage list as the editor shows it: every window ("*" alone), or the
// names separated by spaces.
struct UsageListText {
    bool all = true;
    std::string names;
    bool operator==(const UsageListText&) const = default;
};

struct SchemeUsageTexts {
    UsageListText channels;
    UsageListText privateChats;
    UsageListText builtInWindows;
    UsageListText servers;
    bool operator==(const SchemeUsageTexts&) const = default;
};

enum class HotspotActionKind { None, Url, Command };

struct HotspotActionText {
    HotspotActionKind kind = HotspotActionKind::None;
    std::string text;
};

// The three ways into a scheme image, in the order the choice offers them.
enum class ImageSource { SolidBitmap, TransparencyBitmap, RawImage };

class CSchemeEditor {
public:
    // Takes the working copy (the manager's editing flag goes on).
    CSchemeEditor(CSchemeManager& schemes, int index, UserInterface& ui);
    // An editor still open is cancelled.
    ~CSchemeEditor();
    CSchemeEditor(const CSchemeEditor&) = delete;
    CSchemeEditor& operator=(const CSchemeEditor&) = delete;

    int Index() const { return index_; }
    std::string Title() const;
    // The working copy: another object after Apply.
    const CScheme& Scheme() const { return *working_; }
    bool IsOpen() const { return open_; }
    UserInterface& Ui() const { return ui_; }
    void SetChangeCallback(std::function<void()> changed) { changed_ = std::move(changed); }

    // Graphics, in draw order: the first row is drawn first, the last on top.
    std::vector<SchemeGraphicRow> GraphicRows() const;
    // The row of the new graphic; -1 when the scheme is full.
    int AddImage();
    int AddFadebox();
    int AddHotspot();
    // The row's item goes; for a hot spot, also the items only it refers to.
    void RemoveGraphic(int row);
    // The row the graphic is in afterwards.
    int MoveGraphicUp(int row);
    int MoveGraphicDown(int row);

    // The row's item of that kind; null for another kind or a bad row.
    CSchemeImage* ImageAt(int row) const;
    CSchemeFadebox* FadeboxAt(int row) const;
    CSchemeHotspot* HotspotAt(int row) const;
    std::optional<AnchoredRect> RectAt(int row) const;
    void SetRect(int row, const AnchoredRect& rect);
    void SetFadebox(int row, int opacity, WindowsColour colour);

    // A picture into the row's image, or into a hot spot's image for the
    // look (made when it has none). The image's rectangle takes the
    // picture's size where it has a fixed size; a hot spot's image is put
    // at the hot spot, and a fixed-size hot spot takes its normal picture's
    // size. The asking form shows the "Open scheme image" choice, the file
    // dialog and, for a raw file, the size prompts.
    bool ImportImage(int row, HotspotLook look = HotspotLook::Normal);
    bool ImportImage(int row, HotspotLook look, ImageSource source, const std::string& path, int width = 0,
                     int height = 0);
    // The hot spot's image for the look; null when it has none.
    CSchemeImage* HotspotImage(int row, HotspotLook look) const;

    // Hot spot sounds: event 0 mouse-over, 1 button-down, 2 button-up.
    bool ChooseHotspotSound(int row, int event);
    bool SetHotspotSound(int row, int event, const std::string& wavePath);
    void ClearHotspotSound(int row, int event);
    // The sound's name (its file name); empty when none.
    std::string HotspotSoundName(int row, int event) const;
    HotspotActionText HotspotAction(int row) const;
    void SetHotspotAction(int row, HotspotActionKind kind, std::string text);

    void SetColour(int index, WindowsColour colour);
    void SetBackground(WindowsColour colour);
    void SetFontFace(std::string_view face);
    void SetFontSize(int size);
    void SetSmoothing(bool smoothing);
    void SetFallback(int fallback);
    void SetMargins(const TextMargins& margins);

    SchemeUsageTexts UsageTexts() const;
    void SetUsageTexts(const SchemeUsageTexts& texts);
    static UsageListText TextOf(const std::vector<std::string>& list);
    static std::vector<std::string> ListOf(const UsageListText& text);

    // The copy goes into the manager (the panes repaint); editing goes on
    // with a fresh copy.
    void Apply();
    // The copy goes in and is written to the scheme's file; false, with the
    // editor still open, when the file could not be written.
    bool Ok();
    // Closes without the changes since the last Apply. What Apply put in
    // place stays, and is written to the file.
    void Cancel();

private:
    CScheme& Working() { return *working_; }
    int PositionAt(int row) const;
    int RowOf(int position) const;
    void Changed();
    // Whether anything besides the hot spot at `except` refers to the item:
    // another hot spot or the draw order.
    bool InUse(int position, int except) const;
    void RemoveIfUnused(int position, int except);
    CSchemeImage* ImageForImport(int row, HotspotLook look, bool& made);
    void PlaceHotspotImage(int row, HotspotLook look);
    std::optional<std::string> AskImagePath(ImageSource source, int& width, int& height);
    int AddSoundItem(const std::string& wavePath);

    CSchemeManager& schemes_;
    int index_;
    UserInterface& ui_;
    std::unique_ptr<CScheme> working_;
    std::function<void()> changed_;
    bool open_ = true;
    bool applied_ = false;  // something went in since the file was last written
};

}  // namespace parlevox
