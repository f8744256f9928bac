#pragma once
// Opens the scheme editor windows for the front end: one per entry, an
// entry whose window is open has it raised instead. Each window deletes
// itself when it closes.
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>

#include "ui/SchemeEditing.h"
#include "ui/qt/SchemesWindow.h"

class QWidget;

namespace parlevox {

class SchemeEditorWindows final : public QObject, public SchemeEditorOpener {
    Q_OBJECT

public:
    // The context's references must outlive the windows; parent is the
    // window they stay in front of. currentLook, when given, is asked for
    // the preview's colours as each window opens.
    SchemeEditorWindows(SchemesWindowContext context, QWidget* parent = nullptr,
                        std::function<SchemePreviewLook()> currentLook = {});
    ~SchemeEditorWindows() override;

    void OpenSchemeEditor(int index) override;
    // The open window of the entry; null when there is none.
    SchemesWindow* WindowFor(int index) const;

signals:
    // A window opened or closed: the manager's editing flag may differ.
    void editingChanged();

private:
    SchemesWindowContext context_;
    QWidget* parent_;
    std::function<SchemePreviewLook()> currentLook_;
    std::map<int, QPointer<SchemesWindow>> windows_;
};

}  // namespace parlevox
