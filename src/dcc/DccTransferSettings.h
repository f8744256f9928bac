#pragma once
// What the sockets of a transfer or a chat are given: where to listen and
// how far a send may run ahead.
#include <cstddef>
#include <cstdint>
#include <string>

#include "dcc/DccOptions.h"

namespace parlevox {

class UserInterface;

struct DccTransferSettings {
    std::string bindAddress;  // local address to listen on; empty: every interface
    DccPortRange ports;       // where listeners may bind
    uint32_t sendAhead = DccOptions::kMinSendAhead;
};

// The running transfer that feeds a sink, for the sink to end it.
class DccSinkSource {
public:
    virtual ~DccSinkSource() = default;
    // Closes the transfer and its progress window; the sink's End follows
    // at once.
    virtual void CloseTransfer() = 0;
};

// Where a received file goes besides the disk: a DCC plug-in that shows
// it while it arrives. Every call happens on the loop's thread.
class DccDataSink {
public:
    virtual ~DccDataSink() = default;
    // `source` stays valid until End.
    virtual void Begin(DccSinkSource& source, const std::string& nick, const std::string& path, uint64_t size) = 0;
    virtual void Data(const uint8_t* bytes, size_t length) = 0;
    // complete: every offered byte arrived.
    virtual void End(bool complete) = 0;
};

}  // namespace parlevox
