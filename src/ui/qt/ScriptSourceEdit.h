#pragma once
// The source editor of the Functions tab: plain text in the system's fixed
// font, tabs as wide as two blanks, and the line numbers in a gutter on the
// left.
#include <QPlainTextEdit>

namespace parlevox {

class ScriptSourceEdit final : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit ScriptSourceEdit(QWidget* parent = nullptr);

    int GutterWidth() const;
    // Puts the cursor at the offset (into the shown text) and shows it.
    void PlaceCursor(int offset);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Gutter;
    void PaintGutter(QPaintEvent* event);
    void UpdateGutter(const QRect& rect, int dy);

    Gutter* gutter_;
};

}  // namespace parlevox
