#pragma once
// The client link's sending side: connects to another copy of the client
// without blocking, sends one block (length bytes included) once the
// connection is made, and closes. Failures are written to the status
// output. `DataDumps` keeps the sockets under way; each one that is done
// goes back to it and is destroyed later, never inside its own
// notification, and whatever is still under way goes with the owner.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/AsyncSocket.h"

namespace parlevox {

class ColourCodes;
class StatusOutput;

class CDataDumpSocket final : public AsyncSocket {
public:
    using Done = std::function<void(CDataDumpSocket&)>;

    CDataDumpSocket(EventLoop& loop, StatusOutput& status, const ColourCodes& colours, Done done);

    // Starts the connection; `done` follows when the bytes have gone or the
    // attempt failed (at once when it failed at once).
    void Start(const std::string& host, uint16_t port, std::string bytes);
    bool Finished() const { return finished_; }

protected:
    void OnConnect(int error) override;

private:
    void SendBytes();
    void Fail(const char* text);
    void Finish();

    StatusOutput& status_;
    const ColourCodes& colours_;
    Done done_;
    std::string bytes_;
    bool finished_ = false;
};

class DataDumps {
public:
    DataDumps(EventLoop& loop, StatusOutput& status, const ColourCodes& colours)
        : loop_(loop), status_(status), colours_(colours) {}
    ~DataDumps();

    void Send(const std::string& host, uint16_t port, std::string bytes);
    size_t UnderWay() const { return sockets_.size(); }

private:
    void Done(CDataDumpSocket& socket);

    EventLoop& loop_;
    StatusOutput& status_;
    const ColourCodes& colours_;
    std::vector<std::unique_ptr<CDataDumpSocket>> sockets_;
};

}  // namespace parlevox
