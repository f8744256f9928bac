#pragma once
// A strip of buttons drawn from the built-in art: the normal picture, with
// the button under the pointer taken from the mouse-over picture and the
// pressed one from the pressed picture (all three share one layout). It
// plays the "Button down", "Button up" and "Mouse over button" sounds.
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

namespace parlevox {

class ButtonStrip : public QWidget {
    Q_OBJECT

public:
    struct Button {
        QRect area;
        QString tip;
    };
    using SoundPlayer = std::function<void(const char* event)>;

    ButtonStrip(QImage normal, QImage pressed, QImage over, std::vector<Button> buttons, QWidget* parent = nullptr);

    void SetSoundPlayer(SoundPlayer player) { play_ = std::move(player); }
    // Replaces the pictures and buttons (the channel bar redraws its plates).
    void SetArt(QImage normal, QImage pressed, QImage over, std::vector<Button> buttons);
    int ButtonAt(QPoint point) const;
    QSize sizeHint() const override { return normal_.size(); }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Play(const char* event);
    void SetHover(int index);

    QImage normal_, pressed_, over_;
    std::vector<Button> buttons_;
    int hover_ = -1;
    int down_ = -1;
    SoundPlayer play_;
};

}  // namespace parlevox
