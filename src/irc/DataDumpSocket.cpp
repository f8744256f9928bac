#include "irc/DataDumpSocket.h"

#include <fmt/printf.h>

#include <algorithm>
#include <climits>

#include "irc/ClientLinkTexts.h"
#include "irc/ColourCodes.h"
#include "irc/StatusOutput.h"
#include "platform/EventLoop.h"
#include "platform/SocketErrors.h"

namespace parlevox {

CDataDumpSocket::CDataDumpSocket(EventLoop& loop, StatusOutput& status, const ColourCodes& colours, Done done)
    : AsyncSocket(loop), status_(status), colours_(colours), done_(std::move(done)) {}

void CDataDumpSocket::Start(const std::string& host, uint16_t port, std::string bytes) {
    bytes_ = std::move(bytes);
    if (!Create(0, kConnect | kClose)) return Fail(client_link_text::kNoSocket);
    if (Connect(host, port)) return SendBytes();
    if (LastError() != wsa::kWouldBlock) return Fail(client_link_text::kNoConnection);
}

void CDataDumpSocket::OnConnect(int error) {
    if (finished_) return;
    if (error != 0) return Fail(client_link_text::kNoConnection);
    SendBytes();
}

// A block is at most 8194 bytes: a fresh connection's buffer takes it whole.
void CDataDumpSocket::SendBytes() {
    const int length = static_cast<int>(std::min<size_t>(bytes_.size(), INT_MAX));
    const int sent = Send(bytes_.data(), length);
    if (sent != length) return Fail(client_link_text::kShortSend);
    Finish();
}

void CDataDumpSocket::Fail(const char* text) {
    const std::string c14 = colours_.Code(colour::kProblem), c13 = colours_.Code(colour::kInformation);
    status_.WriteStatus(fmt::sprintf(client_link_text::kSendFailure, c14, c13, c14, c13, text));
    Finish();
}

void CDataDumpSocket::Finish() {
    if (finished_) return;
    finished_ = true;
    Close();
    if (done_) done_(*this);
}

DataDumps::~DataDumps() = default;

void DataDumps::Send(const std::string& host, uint16_t port, std::string bytes) {
    auto socket = std::make_unique<CDataDumpSocket>(loop_, status_, colours_,
                                                    [this](CDataDumpSocket& done) { Done(done); });
    CDataDumpSocket& made = *socket;
    sockets_.push_back(std::move(socket));
    made.Start(host, port, std::move(bytes));
}

void DataDumps::Done(CDataDumpSocket& socket) {
    auto it = std::find_if(sockets_.begin(), sockets_.end(), [&](const auto& kept) { return kept.get() == &socket; });
    if (it == sockets_.end()) return;
    loop_.DeleteLater(std::move(*it));
    sockets_.erase(it);
}

}  // namespace parlevox
