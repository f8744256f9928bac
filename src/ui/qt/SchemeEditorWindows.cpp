#include "ui/qt/SchemeEditorWindows.h"

#include <QWidget>

namespace parlevox {

// Not the parent's child: whoever owns this deletes it, with its windows.
SchemeEditorWindows::SchemeEditorWindows(SchemesWindowContext context, QWidget* parent,
                                         std::function<SchemePreviewLook()> currentLook)
    : context_(std::move(context)), parent_(parent), currentLook_(std::move(currentLook)) {}

// Windows still open end their editing (as Cancel) before the manager goes.
SchemeEditorWindows::~SchemeEditorWindows() {
    for (auto& [index, window] : windows_) delete window.data();
}

SchemesWindow* SchemeEditorWindows::WindowFor(int index) const {
    auto found = windows_.find(index);
    return found == windows_.end() ? nullptr : found->second.data();
}

void SchemeEditorWindows::OpenSchemeEditor(int index) {
    SchemesWindow* window = WindowFor(index);
    if (!window) {
        if (currentLook_) context_.look = currentLook_();
        window = new SchemesWindow(context_, index, parent_);
        window->setAttribute(Qt::WA_DeleteOnClose);
        windows_[index] = window;
        connect(window, &QDialog::finished, this, [this, index] {
            windows_.erase(index);
            emit editingChanged();
        });
        emit editingChanged();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace parlevox
