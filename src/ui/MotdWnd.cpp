#include "ui/MotdWnd.h"

#include "irc/IMServer.h"

namespace parlevox {
namespace {

constexpr int kMotdLine = 372;
constexpr int kMotdEnd = 376;

}  // namespace

SchemeWindow CMotdWnd::SchemeTarget() const {
    SchemeWindow target = CChatWindow::SchemeTarget();
    target.kind = SchemeWindow::Kind::MessageOfTheDay;
    target.name.clear();
    return target;
}

CMotdWnd::CMotdWnd(const ChatWindowServices& services, ChatWindowView& view)
    : CChatWindow(services, kName, view) {
    for (int numeric : {kMotdLine, kMotdEnd}) {
        HandlerRecord record;
        record.eventType = kServerNumeric;
        record.filters = filter::kNumeric;
        record.numeric = numeric;
        record.priority = priority::kMotdStart;
        Register(record);
    }
}

void CMotdWnd::OnEvent(CIRCMessage& message, uint32_t) {
    auto* reply = dynamic_cast<C_imServerNumeric*>(&message);
    if (!reply) return;
    if (reply->numeric == kMotdEnd) return RemoveAllHandlers();  // the rest is not the message of the day
    Show(message, reply->text);
}

}  // namespace parlevox
