#pragma once
// The scheme editor window, titled "<display name> - Scheme settings": the
// pages Graphics, Colours, Font, Margins and Usage over a working copy of
// one installed scheme, beside a preview pane that paints sample lines with
// it after every edit. OK puts the copy in place and writes the scheme's
// file, Apply puts it in place and goes on editing, Cancel (Escape, the
// close box) closes without the changes since the last Apply.
#include <QDialog>
#include <memory>

#include "ui/SchemeEditor.h"
#include "ui/SchemePreview.h"

class QPushButton;
class QTabWidget;

namespace parlevox {

class OutputPaneWidget;
class SchemeColoursPage;
class SchemeFontPage;
class SchemeGraphicsPage;
class SchemeMarginsPage;
class SchemeUsagePage;

// What the window works on; the references must outlive it.
struct SchemesWindowContext {
    CSchemeManager& schemes;
    UserInterface& ui;
    SchemePreviewLook look;
    AudioOutput* audio = nullptr;  // null: the preview's hot spots are silent
    CSoundSystem* sounds = nullptr;
};

class SchemesWindow final : public QDialog {
    Q_OBJECT

public:
    enum class Page { Graphics, Colours, Font, Margins, Usage };

    // Takes the working copy from the manager (its editing flag goes on).
    SchemesWindow(const SchemesWindowContext& context, int index, QWidget* parent = nullptr);
    ~SchemesWindow() override;

    void ShowPage(Page page);
    // Refills every page from the working copy.
    void Reload();
    CSchemeEditor& Editor() { return editor_; }
    OutputPaneWidget& Preview() const { return *preview_; }
    SchemeGraphicsPage& GraphicsPage() const { return *graphics_; }
    SchemeColoursPage& ColoursPage() const { return *colours_; }
    QPushButton& ApplyButton() const { return *apply_; }

public slots:
    // OK: stays open when the file could not be written.
    void accept() override;
    // Cancel, Escape and the close box.
    void reject() override;
    void Apply();

private:
    void Edited();

    CSchemeEditor editor_;
    OutputPaneWidget* preview_;
    std::unique_ptr<CSchemePreview> previewOwner_;
    QTabWidget* tabs_;
    SchemeGraphicsPage* graphics_;
    SchemeColoursPage* colours_;
    SchemeFontPage* font_;
    SchemeMarginsPage* margins_;
    SchemeUsagePage* usage_;
    QPushButton* apply_;
};

}  // namespace parlevox
