#pragma once
// The notify window ("Notify people"): the nicks of the notify list that
// are on IRC now, sorted without case. It lives as long as the chat
// session, so a view that opens later shows who is online already; the
// notify list adds and removes the nicks.
#include <functional>
#include <string>
#include <vector>

namespace parlevox {

class NotifyWindowView {
public:
    virtual ~NotifyWindowView() = default;
    virtual void ShowNicks(const std::vector<std::string>& nicks) = 0;
};

class CNotifyWindow {
public:
    static constexpr const char* kTitle = "Notify people";
    // Its name for window positions and schemes.
    static constexpr const char* kName = "~Notify";

    // The view shows the nicks at once; none: nothing shows them.
    void SetView(NotifyWindowView* view);

    void Add(const std::string& nick);
    void Remove(const std::string& nick);
    void Clear();
    const std::vector<std::string>& Nicks() const { return nicks_; }

    // The person double-clicked a nick: a query with it.
    void Activate(const std::string& nick);
    std::function<void(const std::string& nick)> onOpenQuery;

private:
    void Show();

    std::vector<std::string> nicks_;
    NotifyWindowView* view_ = nullptr;
};

}  // namespace parlevox
