#pragma once
// The favourite channels as a row of channel buttons: each the built-in
// channel button with the channel's name on its plate; a click asks to
// join (or show) the channel.
#include <string>
#include <vector>

#include "ui/qt/ButtonStrip.h"

namespace parlevox {

class ChannelButtonBar : public ButtonStrip {
    Q_OBJECT

public:
    explicit ChannelButtonBar(QWidget* parent = nullptr);

    void SetChannels(std::vector<std::string> channels);
    const std::vector<std::string>& Channels() const { return channels_; }

signals:
    void channelClicked(const QString& channel);

private:
    QImage Compose(const QImage& button) const;

    QImage button_, pressed_, over_;
    std::vector<std::string> channels_;
};

}  // namespace parlevox
