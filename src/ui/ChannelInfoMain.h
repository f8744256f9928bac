#pragma once
// The main page of the channel information dialog: the registration
// details and settings from ChanServ's INFO answer, the user's access level
// from its ACC answer, applying changed settings, and the founder controls
// (becoming founder, changing the password, registering an unregistered
// channel).
#include <cstdint>
#include <string>

#include "common/MessageBox.h"
#include "irc/EventHandlerWindow.h"
#include "ui/ChannelInfoContext.h"

namespace parlevox {

class CChannelInfoMain final : public EventHandlerWindow {
public:
    enum class TopicLock { kOff, kSop, kFounder };
    enum Setting : uint32_t {
        kDescription = 1,
        kUrl = 2,
        kModeLock = 4,
        kIdent = 8,
        kMemo = 16,
        kRestricted = 32,
        kTopicLock = 64
    };
    static constexpr uint32_t kFounderTimer = 1;
    static constexpr uint32_t kPasswordTimer = 2;
    static constexpr uint32_t kTimeoutMs = 20000;

    explicit CChannelInfoMain(ChannelInfoContext& dialog);

    // The dialog opened: identify with a remembered password, ask for the
    // access level and the information.
    void Open();
    void Close();

    struct Fields {
        std::string registered;
        std::string lastOpping;
        std::string description;
        std::string founder;
        std::string modeLock;
        std::string url;
        bool ident = false;
        bool restricted = false;
        TopicLock topicLock = TopicLock::kOff;
        bool memoSop = false;  // else AOP
    };
    const Fields& Values() const { return fields_; }
    uint32_t ChangedSettings() const { return changed_; }

    // The person edits a setting.
    void SetDescription(const std::string& text) { Edit(fields_.description, text, kDescription); }
    void SetUrl(const std::string& text) { Edit(fields_.url, text, kUrl); }
    void SetModeLock(const std::string& text) { Edit(fields_.modeLock, text, kModeLock); }
    void SetIdent(bool on) { Edit(fields_.ident, on, kIdent); }
    void SetMemoSop(bool sop) { Edit(fields_.memoSop, sop, kMemo); }
    void SetRestricted(bool on) { Edit(fields_.restricted, on, kRestricted); }
    void SetTopicLock(TopicLock lock) { Edit(fields_.topicLock, lock, kTopicLock); }

    // What may be used: the settings once the information has come, the
    // founder controls, for the founder while services are up.
    bool SettingsEditable() const;
    bool FounderButtonEnabled() const;
    bool PasswordButtonEnabled() const;
    bool Unregistered() const { return unregistered_; }
    // "Become founder..." or, for an unregistered channel, "Register...".
    const char* FounderButtonText() const;
    bool UrlOpenable() const { return !fields_.url.empty(); }
    // Waiting for the INFO or ACC answer.
    bool Waiting() const { return chanServId_ != 0 && (!infoEnded_ || !accAnswered_); }

    // Sends a "set" line for each changed setting (founders only).
    void Apply();
    // The founder button: becomes founder, or registers the channel.
    void FounderButton();
    void ChangePassword();
    void OpenUrl();

private:
    void OnEvent(CIRCMessage& message, uint32_t handlerId) override;
    void OnTimer(uint32_t timerId) override;
    enum class Verdict { kMine, kUnknown, kOtherChannel };
    Verdict Answer(const std::string& text);
    bool FieldAnswer(const std::string& text);
    void AccAnswer(const std::string& text);
    void OptionsAnswer(std::string_view options);
    void ListenToChanServ();
    void StopListening();
    void FinishIfDone();
    void IdentifyWithRememberedPassword();
    void BecomeFounder();
    void RegisterChannel();
    void ShowBox(const char* title, const char* text, MessageIcon icon);
    template <typename T>
    void Edit(T& field, const T& value, uint32_t setting) {
        if (field == value) return;
        field = value;
        changed_ |= setting;
    }

    ChannelInfoContext& dialog_;
    Fields fields_;
    uint32_t changed_ = 0;
    uint32_t chanServId_ = 0;
    bool servicesWatched_ = false;
    bool infoEnded_ = false;
    bool accAnswered_ = false;
    bool unregistered_ = false;
    bool closed_ = false;
    std::string founderPassword_;  // waiting for "Founder access user for"
    std::string newPassword_;      // waiting for "Founder access password for"
};

}  // namespace parlevox
