#pragma once
// The sending end of a file transfer: reads the file from the start
// position and lets at most the send-ahead run past the receiver's
// acknowledgements. The first block is the send-ahead; after that each
// acknowledgement that leaves acknowledged + send-ahead >= sent sends one
// more block: 2048 bytes with the smallest send-ahead, as other clients
// expect, enough to fill the window with a larger one. A block the socket
// does not take whole is finished when the socket has room again.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "dcc/DCCSockets.h"
#include "dcc/DccAcknowledgement.h"

namespace parlevox {

class CDCCDataSocket final : public DccTransferSocket {
public:
    static constexpr uint64_t kFollowingBlock = 2048;
    // The most read from the file and sent at once.
    static constexpr size_t kLargestRead = 256 * 1024;

    // Sends the window's file from its start position once connected.
    CDCCDataSocket(EventLoop& loop, CDCCWnd& window, uint32_t sendAhead);
    ~CDCCDataSocket() override;

    // A passive offer: the peer listens at ip:port. False with the failure
    // shown in the window.
    bool ConnectTo(uint32_t ip, uint16_t port);
    void Accepted() override;

protected:
    void OnConnect(int error) override;
    void OnReceive(int error) override;
    void OnSend(int error) override;
    void OnClose(int error) override;
    void Release() override;

private:
    static constexpr long kEvents = kConnect | kRead | kWrite | kClose;

    void Begin();
    bool OpenFile();
    bool HandleAck(uint32_t wire);
    // Whether a block is still on its way out.
    bool Busy() const { return pendingLength_ > 0 || blockLeft_ > 0; }
    uint64_t NextBlock() const;
    // Reads and sends the block in pieces until it is out or the socket is full.
    void Pump();
    bool Flush();
    void Report();
    void Abort(const char* text);
    void CloseFile();

    uint64_t sendAhead_;
    uint64_t length_ = 0;
    uint64_t start_ = 0;
    uint64_t sent_ = 0;
    uint64_t acknowledged_ = 0;
    int file_ = -1;
    DccAckAssembler acks_;
    std::unique_ptr<uint8_t[]> buffer_;
    size_t bufferSize_;
    size_t pendingOffset_ = 0;
    size_t pendingLength_ = 0;
    uint64_t blockLeft_ = 0;      // of the block being sent, still to be read
    bool ackWhileBusy_ = false;  // its block goes once the current one is out
};

}  // namespace parlevox
