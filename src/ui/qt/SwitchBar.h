#pragma once
// The bar at the bottom of the main window: one button per window in the
// order they opened, the active window's pressed, the button of a window
// that showed lines since it was last active in red; at the right the lag
// the notify list measures.
#include <QWidget>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace parlevox {

class SwitchBar : public QWidget {
    Q_OBJECT

public:
    explicit SwitchBar(QWidget* parent = nullptr);

    // `window` identifies the window; the bar never dereferences it.
    void Add(const QWidget* window, const QString& caption);
    void Remove(const QWidget* window);
    void SetCaption(const QWidget* window, const QString& caption);
    void SetActive(const QWidget* window);
    // A line arrived: red unless the window is the active one.
    void LineShown(const QWidget* window);
    bool IsRed(const QWidget* window) const;
    // "Lag %is", red when the answer is late.
    void SetLag(int seconds, bool late);
    void ClearLag();

    size_t Count() const { return entries_.size(); }
    // In bar order; nullptr past the end.
    const QWidget* WindowAt(size_t index) const;

signals:
    void activateRequested(const QWidget* window);

private:
    struct Entry {
        const QWidget* window;
        QPushButton* button;
        bool red = false;
    };
    Entry* Find(const QWidget* window);
    const Entry* Find(const QWidget* window) const;
    void Paint(Entry& entry);

    std::vector<Entry> entries_;
    const QWidget* active_ = nullptr;
    QHBoxLayout* buttons_;
    QLabel* lag_;
};

}  // namespace parlevox
