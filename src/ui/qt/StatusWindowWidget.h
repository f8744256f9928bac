#pragma once
// The status window ("~Status"): the pane and an input line for "/"
// commands. A plain line goes to whatever the front end set to take it (the
// last channel, say); with nothing set it is refused with a status line.
// The status window is the main frame's: closing the widget does nothing.
#include <functional>

#include "ui/qt/PaneWindowWidget.h"

namespace parlevox {

class CStatusWindow;
class ColourCodes;

class StatusWindowWidget final : public PaneWindowWidget {
    Q_OBJECT

public:
    using PlainLine = std::function<void(const std::string& line)>;

    explicit StatusWindowWidget(QWidget* parent = nullptr);

    // The status window made with this widget as its view; the colours are
    // the application's and outlive the widget.
    void Attach(CStatusWindow& status, const ColourCodes& colours);
    void SetPlainLineHandler(PlainLine handler) { plainLine_ = std::move(handler); }

protected:
    void UserClosed() override {}
    CommandOutput* MenuOutput() const override;

private:
    void Typed(const std::string& line);

    CStatusWindow* status_ = nullptr;
    const ColourCodes* colours_ = nullptr;
    PlainLine plainLine_;
};

}  // namespace parlevox
