#include "irc/IdentListener.h"

#include <fmt/printf.h>

#include <algorithm>

#include "common/InternalErrorReport.h"
#include "common/ParseInteger.h"
#include "irc/ConnectionState.h"
#include "irc/NetworkTexts.h"
#include "platform/EventLoop.h"
#include "platform/SocketErrors.h"

namespace parlevox {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::optional<uint16_t> ParsePort(std::string_view text) {
    std::optional<uint64_t> port = ParseStrictDecimal(TrimBlanks(text), 65535);
    if (!port || *port == 0) return std::nullopt;
    return static_cast<uint16_t>(*port);
}

}  // namespace

std::optional<IdentQuery> ParseIdentQuery(std::string_view line) {
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::optional<uint16_t> server = ParsePort(line.substr(0, comma));
    std::optional<uint16_t> client = ParsePort(line.substr(comma + 1));
    if (!server || !client) return std::nullopt;
    return IdentQuery {*server, *client};
}

std::string IdentAnswer(const IdentQuery& query, std::string_view userName) {
    // The user name is ours, but a control byte in it would end the answer early.
    std::string name;
    std::copy_if(userName.begin(), userName.end(), std::back_inserter(name),
                 [](char c) { return static_cast<unsigned char>(c) >= 32; });
    return fmt::sprintf(texts::kIdentAnswer, fmt::sprintf("%u, %u", query.serverPort, query.clientPort), name);
}

CIdentSocket::CIdentSocket(EventLoop& loop, CIdentListener& owner) : AsyncSocket(loop), owner_(&owner) {}

void CIdentSocket::OnReceive(int) {
    if (!owner_) return;
    const int read = Receive(buffer_.data() + count_, static_cast<int>(kBufferSize - count_));
    if (read == kSocketError && LastError() == wsa::kWouldBlock) return;
    if (read <= 0) return Finish();
    count_ += static_cast<size_t>(read);
    if (count_ >= kGiveUpAt) return Finish();
    if (buffer_[count_ - 1] != '\n') return;
    std::string_view line(buffer_.data(), count_ - 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (std::optional<IdentQuery> query = ParseIdentQuery(line)) {
        const std::string answer = IdentAnswer(*query, owner_->UserName());
        Send(answer.data(), static_cast<int>(answer.size()));
    }
    Finish();
}

void CIdentSocket::OnClose(int) {
    Finish();
}

void CIdentSocket::Finish() {
    if (!owner_) return;
    CIdentListener* owner = owner_;
    owner_ = nullptr;
    owner->Retire(this);
}

CIdentListener::CIdentListener(EventLoop& loop, const ConnectionState& connection)
    : AsyncSocket(loop), connection_(connection) {}

CIdentListener::~CIdentListener() = default;

bool CIdentListener::Start(const std::string& localAddress, uint16_t port) {
    if (localAddress.empty()) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    if (!Create(port, kAccept | kRead | kClose, localAddress)) return false;
    if (!Listen(5)) {
        PARLEVOX_INTERNAL_ERROR();
        Close();
        return false;
    }
    return true;
}

const std::string& CIdentListener::UserName() const {
    return connection_.currentUserName;
}

void CIdentListener::OnAccept(int) {
    if (queries_.size() >= kMaxQueries) {
        // Closed without a notification, so it cannot call back.
        queries_.front()->Close();
        Loop().DeleteLater(std::move(queries_.front()));
        queries_.pop_front();
    }
    auto query = std::make_unique<CIdentSocket>(Loop(), *this);
    if (!Accept(*query)) {
        if (LastError() != wsa::kWouldBlock && LastError() != wsa::kConnectionAborted) PARLEVOX_INTERNAL_ERROR();
        return;
    }
    query->AsyncSelect(kRead | kClose);
    queries_.push_back(std::move(query));
}

void CIdentListener::Retire(CIdentSocket* query) {
    auto found = std::find_if(queries_.begin(), queries_.end(), [query](const auto& held) { return held.get() == query; });
    if (found == queries_.end()) return;
    (*found)->Close();
    Loop().DeleteLater(std::move(*found));
    queries_.erase(found);
}

}  // namespace parlevox
