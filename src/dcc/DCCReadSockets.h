#pragma once
// The receiving end of a file transfer: connects to the sender (or is
// accepted from a passive offer's listener), reads what arrives and
// acknowledges every read with the total held, cut to 32 bits. Bytes past
// the offered size are acknowledged but kept nowhere.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "dcc/DCCSockets.h"
#include "dcc/DccTransferSettings.h"

namespace parlevox {

class CDCCReadSocket : public DccTransferSocket {
public:
    // The most taken from the socket at once.
    static constexpr size_t kReadBlock = 256 * 1024;
    // The failures, by what they end with.
    enum ErrorCode { kPeerClosed = 0, kReadFailed = 1, kAckFailed = 2, kConnectFailed = 3 };

    CDCCReadSocket(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected);

    // Connects to the sender. False with the failure reported.
    bool ConnectTo(uint32_t ip, uint16_t port);
    void Accepted() override;

    uint64_t Received() const { return received_; }
    uint64_t Expected() const { return expected_; }

protected:
    // The bytes of one read that fall within the offered size.
    virtual void TakeData(const uint8_t* bytes, size_t length) = 0;
    // Shows the code's text unless the reader ignores it, and closes.
    void ReportError(int code);
    virtual bool IgnoresError() const { return false; }
    virtual void ShowError(const std::string& text);

    void OnConnect(int error) override;
    void OnReceive(int error) override;
    void OnClose(int error) override;

private:
    static constexpr long kEvents = kConnect | kRead | kClose;

    // Connected with nothing left to receive: acknowledges what it holds and closes.
    void Connected();
    void Acknowledge();

    uint64_t received_;
    uint64_t expected_;
    std::unique_ptr<uint8_t[]> buffer_;
};

// Saves what arrives: from the start the file is created anew, from a
// resume position the existing file is continued. Never through a
// symbolic link.
class CDCCReadToFile : public CDCCReadSocket {
public:
    CDCCReadToFile(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected);
    ~CDCCReadToFile() override;

    // Opens the window's file at its start position. Null, or the text of
    // the failure.
    virtual const char* OpenTarget();
    bool IsComplete() const { return complete_; }

protected:
    void TakeData(const uint8_t* bytes, size_t length) override;
    bool IgnoresError() const override { return Received() >= Expected(); }
    void ShowError(const std::string& text) override;
    void Release() override;
    // Every offered byte is in the file, and the file is closed.
    virtual void FileComplete() {}

private:
    bool Write(const uint8_t* bytes, size_t length);
    void CloseFile();

    uint64_t position_;
    std::string path_;
    int file_ = -1;
    bool connected_ = false;
    bool complete_ = false;
};

// Saves the file, then opens it with the helper program: the helper's
// path and the file's as its two arguments, no shell between.
class CDCCReadToHelper final : public CDCCReadToFile {
public:
    CDCCReadToHelper(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected, std::string helper);

protected:
    void FileComplete() override;

private:
    std::string helper_;
};

// Saves the file and hands every block to a plug-in as well; without one
// it only saves. A resumed file's existing part goes to the plug-in first.
class CDCCReadToPlugin final : public CDCCReadToFile, public DccSinkSource {
public:
    CDCCReadToPlugin(EventLoop& loop, CDCCWnd& window, uint64_t position, uint64_t expected,
                     std::shared_ptr<DccDataSink> sink);
    ~CDCCReadToPlugin() override;

    const char* OpenTarget() override;
    // DccSinkSource: the plug-in ends the transfer.
    void CloseTransfer() override;

protected:
    void TakeData(const uint8_t* bytes, size_t length) override;
    void ShowError(const std::string& text) override;
    void Release() override;

private:
    // The file's first `position` bytes, to the sink. Null, or the text of the failure.
    const char* FeedExisting(int file);
    void EndSink();

    std::shared_ptr<DccDataSink> sink_;
    uint64_t position_;
    bool begun_ = false;
};

}  // namespace parlevox
