#pragma once
// The title screen shown while the client loads: the picture, a status
// text, and a ring of nine icon slots through which the icons of the loaded
// modules and plug-ins scroll, one step every 300 ms. The oldest three
// positions fade towards white. The model only keeps time through the
// milliseconds it is handed, so a front end drives it from any clock and
// tests drive it by hand.
//
// The loading time is measured from creation when nothing with an icon is
// installed, else from the first icon; when the screen finishes it is
// handed to the saver, unless a popup came up during loading (the person
// then took part of the time).
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "display/RawBitmap.h"

namespace parlevox {

// One loaded module or plug-in as the title screen shows it.
struct TitleIcon {
    std::string name;
    std::string text1;
    std::string text2;
    CRawBitmap icon;  // drawn 48 x 48; a larger one is clipped, a smaller one sits on white
};

class CLoaderWindow {
public:
    static constexpr uint64_t kStepMs = 300;
    static constexpr int kSlots = 9;
    static constexpr int kFadedSlots = 3;

    // How many of each kind the settings list ("Count" of "SC Plug-ins",
    // "Modules" and "DCC Plug-ins").
    struct InstalledCounts {
        int scPlugIns = 0;
        int modules = 0;
        int dccPlugIns = 0;
        bool Any() const { return scPlugIns > 0 || modules > 0 || dccPlugIns > 0; }
    };
    using LoadingTimeSaver = std::function<void(int milliseconds)>;

    CLoaderWindow(uint64_t nowMs, InstalledCounts installed, LoadingTimeSaver saver);

    const std::string& Status() const { return status_; }
    void SetStatus(std::string text) { status_ = std::move(text); }

    void AddIcon(TitleIcon icon, uint64_t nowMs);
    // The loading code has handed in every icon it will.
    void NoMoreIcons() { noMoreIcons_ = true; }
    // Honoured once every queued icon has scrolled out of the ring.
    void RequestClose();
    bool CloseRequested() const { return closeRequested_; }
    void PopupSeen() { popupSeen_ = true; }
    bool WasPopupSeen() const { return popupSeen_; }

    // Runs the animation step when it is due; true when the ring moved.
    // One step at most per call: after a long pause the ring goes on from
    // where it was rather than jumping.
    bool Step(uint64_t nowMs);
    uint64_t NextDueMs() const { return nextDueMs_; }
    int StepsTaken() const { return stepsTaken_; }

    // The close request can be carried out.
    bool ReadyToClose() const;
    // The window goes: hands the loading time to the saver (once, and not
    // after a popup).
    void Finish(uint64_t nowMs);

    // The 600 x 420 true-colour image: picture, status text, the slots.
    const CRawBitmap& Paint();

    // The icon queue index shown at ring position 0 (newest) to 8 (oldest);
    // nothing for a white slot.
    std::optional<size_t> ShownAt(int position) const;

    // Colour byte v of an icon at ring position 6, 7 or 8, faded towards
    // white; other positions show it unchanged.
    static uint8_t Faded(int position, uint8_t value);

private:
    void DrawSlot(int position, int x, int y);
    bool MoreMayCome() const { return !noMoreIcons_ && !closeRequested_; }

    std::string status_;
    struct Shown {
        size_t index;       // in the order the icons were handed in
        CRawBitmap pixels;  // 48 x 48 true colour
    };
    std::deque<CRawBitmap> queue_;  // handed in, not yet in the ring
    size_t entered_ = 0;            // icons that went into the ring
    // The ring, written round and round; an icon that scrolls out is gone.
    std::array<std::optional<Shown>, kSlots> ring_;
    int newest_ = kSlots - 1;  // the ring slot written last
    uint64_t createdMs_;
    std::optional<uint64_t> startMs_;
    uint64_t nextDueMs_;
    int stepsTaken_ = 0;
    bool startsAtFirstIcon_;
    bool noMoreIcons_ = false;
    bool closeRequested_ = false;
    bool popupSeen_ = false;
    bool finished_ = false;
    LoadingTimeSaver saver_;
    CRawBitmap picture_;
    CRawBitmap image_;
};

}  // namespace parlevox
