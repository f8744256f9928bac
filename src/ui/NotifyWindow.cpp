#include "ui/NotifyWindow.h"

#include <algorithm>

#include "common/TextHelpers.h"

namespace parlevox {
namespace {

bool FoldedLess(const std::string& a, const std::string& b) {
    return ToLower(a) < ToLower(b);
}

}  // namespace

void CNotifyWindow::SetView(NotifyWindowView* view) {
    view_ = view;
    Show();
}

void CNotifyWindow::Add(const std::string& nick) {
    auto at = std::lower_bound(nicks_.begin(), nicks_.end(), nick, FoldedLess);
    if (at != nicks_.end() && EqualsIgnoringCase(*at, nick)) return;
    nicks_.insert(at, nick);
    Show();
}

void CNotifyWindow::Remove(const std::string& nick) {
    auto gone = std::remove_if(nicks_.begin(), nicks_.end(),
                               [&](const std::string& shown) { return EqualsIgnoringCase(shown, nick); });
    if (gone == nicks_.end()) return;
    nicks_.erase(gone, nicks_.end());
    Show();
}

void CNotifyWindow::Clear() {
    if (nicks_.empty()) return;
    nicks_.clear();
    Show();
}

void CNotifyWindow::Activate(const std::string& nick) {
    if (onOpenQuery && !nick.empty()) onOpenQuery(nick);
}

void CNotifyWindow::Show() {
    if (view_) view_->ShowNicks(nicks_);
}

}  // namespace parlevox
