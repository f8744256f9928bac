#pragma once
// Shows a channel's names list as the core draws it, one entry per row, with
// a scroll bar; clicks select, a double click runs the list's command, the
// right button opens the user menu, and typed characters go to the list.
#include <QAbstractScrollArea>

#include "display/RawBitmap.h"

namespace parlevox {

class CNamesList;

class NamesListWidget final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit NamesListWidget(QWidget* parent = nullptr);
    // Redraws whenever the list changes. The directory destroys a channel's
    // list and its widget together, in either order: the list's callback
    // checks that the widget is still there, the widget's destructor leaves
    // the list alone.
    void Attach(CNamesList* list);
    // The top row's entry.
    size_t FirstRow() const;
    // The entry at height y of the rows, or -1.
    int EntryAt(int y) const;

signals:
    // A character typed while the list had the focus, for the input line.
    void characterTyped(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void ListChanged();
    void UpdateBar();

    CNamesList* list_ = nullptr;
    CRawBitmap image_;
};

}  // namespace parlevox
