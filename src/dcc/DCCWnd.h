#pragma once
// A file transfer's progress window and the transfer it owns. The window
// keeps what the view shows (title, lines, progress) and owns the socket
// of its stage: the listener of an offer, the data socket of a send, the
// reader of a receive. Closing the window ends the transfer.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dcc/DccTransferSettings.h"
#include "dcc/DccViews.h"
#include "platform/MessageTarget.h"

namespace parlevox {

class EventLoop;
class UserInterface;
class DccTransferSocket;

// "%i.%02i Mb" from 512 KiB up, "%i.%01i Kb" below.
std::string DccSizeText(uint64_t bytes);

struct DccProgressLine {
    std::string text;
    bool red = false;
};

// An offer of a local file (the SEND form of "/dcc").
struct DccSendRequest {
    std::string nick;
    std::string path;     // the local file
    bool passive = false;  // the peer listens: wait for ConnectPassive
};

// An accepted offer; action and helper from the file-type table.
struct DccReceiveRequest {
    std::string nick;
    std::string path;  // the target file
    uint64_t size = 0;
    uint32_t ip = 0;
    uint16_t port = 0;  // 0: a passive offer; listen for the sender instead
    uint64_t position = 0;
    int action = 0;
    std::string helper;
    std::shared_ptr<DccDataSink> sink;  // the plug-in action's receiver; null saves only
};

class CDCCWnd final : public MessageTarget {
public:
    enum class Direction { Send, Receive };
    enum class State { Waiting, Connecting, Connected, Completed, Failed };

    CDCCWnd(EventLoop& loop, UserInterface& ui, std::string nick, std::string path, uint64_t size,
            Direction direction);
    ~CDCCWnd() override;

    // Starts an offer: opens the file, listens (unless passive) and shows
    // the window. Null with the error text when the file cannot be opened
    // or no listener can be made.
    static std::unique_ptr<CDCCWnd> StartSend(EventLoop& loop, UserInterface& ui, const DccSendRequest& request,
                                              const DccTransferSettings& settings, std::string& error);
    // Starts a receive at the request's position: connects to the sender
    // (or listens for it when the offer was passive). Null with the error
    // text ("Couldn't open the file.", "Couldn't create the file. ...") when
    // the target cannot be opened, or with the listener's text when a
    // passive receive cannot listen. A failed connection shows in the window.
    static std::unique_ptr<CDCCWnd> StartReceive(EventLoop& loop, UserInterface& ui, const DccReceiveRequest& request,
                                                 const DccTransferSettings& settings, std::string& error);

    // The file name + " - " + nick.
    std::string Title() const;
    std::vector<DccProgressLine> Lines() const;
    // The bar: 0 to size / 1024, at bytes / 1024 (acknowledged for a send).
    int ProgressMaximum() const;
    int ProgressValue() const;
    State GetState() const { return state_; }
    Direction GetDirection() const { return direction_; }
    const std::string& Nick() const { return nick_; }
    const std::string& Path() const { return path_; }
    uint64_t Size() const { return size_; }
    // Where the transfer starts: 0, or the resume position.
    uint64_t StartPosition() const { return position_; }

    void SetView(std::unique_ptr<DccProgressView> view);

    // --- The sending side.
    // The listener's port while the offer waits; 0 otherwise.
    uint16_t ListenPort() const;
    // A passive offer's peer listens at ip:port: connect and send.
    bool ConnectPassive(uint32_t ip, uint16_t port);
    // A RESUME for this offer: taken only while a send waits for its
    // connection and the position is within the file.
    bool AcceptResume(uint64_t position);
    // --- The receiving side: the listener's port of a passive receive; 0 otherwise.
    uint16_t PassiveListenPort() const;

    // The person closed the window: the control destroys it later.
    void RequestClose();
    std::function<void()> onCloseRequested;

    // --- What the sockets report.
    void SetProgress(uint64_t sent, uint64_t acknowledged);  // send
    void SetProgress(uint64_t read);                          // receive
    void MarkConnected();
    void ShowMessage(std::string text);  // stops the display, the text in red
    void Completed();                    // "Completed OK"
    // Replaces the socket the window owns (the old one goes later).
    void Own(std::unique_ptr<DccTransferSocket> socket);
    UserInterface& UI() const { return ui_; }

private:
    friend class DccTransferSocket;
    // A socket that completed or failed hands itself back: destroyed later.
    void Drop(DccTransferSocket& socket);
    bool Stopped() const { return state_ == State::Completed || state_ == State::Failed; }
    void Update();

    UserInterface& ui_;
    std::string nick_;
    std::string path_;
    uint64_t size_;
    Direction direction_;
    State state_;
    uint64_t position_ = 0;
    uint64_t transferred_ = 0;
    uint64_t acknowledged_ = 0;
    bool passive_ = false;
    DccTransferSettings settings_;
    std::string message_;
    std::unique_ptr<DccTransferSocket> socket_;
    std::unique_ptr<DccProgressView> view_;
};

}  // namespace parlevox
