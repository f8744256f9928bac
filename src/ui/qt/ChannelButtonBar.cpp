#include "ui/qt/ChannelButtonBar.h"

#include <QPainter>

#include "display/ButtonStripLayout.h"
#include "ui/qt/ArtImage.h"

namespace parlevox {

ChannelButtonBar::ChannelButtonBar(QWidget* parent)
    : ButtonStrip({}, {}, {}, {}, parent),
      button_(LoadArt("BV-CHAN")),
      pressed_(LoadArt("BV-CHAND")),
      over_(LoadArt("BV-CHANO")) {
    connect(this, &ButtonStrip::clicked, this, [this](int index) {
        if (index >= 0 && static_cast<size_t>(index) < channels_.size())
            emit channelClicked(QString::fromLatin1(channels_[static_cast<size_t>(index)].c_str()));
    });
}

void ChannelButtonBar::SetChannels(std::vector<std::string> channels) {
    channels_ = std::move(channels);
    std::vector<Button> buttons;
    for (size_t i = 0; i < channels_.size(); ++i) {
        QRect area(static_cast<int>(i) * layout::kChannelButtonWidth, 0, layout::kChannelButtonWidth,
                   layout::kChannelButtonHeight);
        buttons.push_back({area, QString::fromLatin1(channels_[i].c_str())});
    }
    SetArt(Compose(button_), Compose(pressed_), Compose(over_), std::move(buttons));
    setVisible(!channels_.empty());
}

// The buttons side by side, each with its channel's name on the plate.
QImage ChannelButtonBar::Compose(const QImage& button) const {
    QImage strip(std::max<int>(1, static_cast<int>(channels_.size()) * layout::kChannelButtonWidth),
                 layout::kChannelButtonHeight, QImage::Format_RGB32);
    strip.fill(Qt::lightGray);
    QPainter painter(&strip);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    const PixelRect& plate = layout::kChannelNamePlate;
    for (size_t i = 0; i < channels_.size(); ++i) {
        int x = static_cast<int>(i) * layout::kChannelButtonWidth;
        if (!button.isNull()) painter.drawImage(x, 0, button);
        QRect text(x + plate.left, plate.top, plate.right - plate.left, plate.bottom - plate.top);
        QString name = QString::fromLatin1(channels_[i].c_str());
        painter.drawText(text, Qt::AlignCenter, painter.fontMetrics().elidedText(name, Qt::ElideRight, text.width()));
    }
    return strip;
}

}  // namespace parlevox
