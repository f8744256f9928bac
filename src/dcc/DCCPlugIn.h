#pragma once
// One installed DCC plug-in: the library, what its "Init" told the host
// (name, two texts, up to three file types, a number, the icon it drew),
// the host block it keeps, and its transfers. The plug-in calls back with
// the number in the host block; a callback is obeyed only while that
// number names a loaded plug-in, and a transfer handle only while the
// transfer or its window exists.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "dcc/DccTransferSettings.h"
#include "display/RawBitmap.h"
#include "parlevox/plugin.h"

namespace parlevox {

class CDCCPlugIns;
class CDCCPlugInTransfer;

class CDCCPlugIn {
public:
    struct LoadFailure {
        std::string text;
        bool fileError = false;  // the file is missing, unreadable or not named by an absolute path
    };
    enum class Action { Delete, Ignore, Close };

    // Opens the library (RTLD_NOW | RTLD_LOCAL) and calls its "Init". A
    // library that is loaded already (the same file installed twice) is
    // closed again without Init, with `duplicateText`: Init would give the
    // loaded copy a host block that dies with the refusal.
    static std::unique_ptr<CDCCPlugIn> Load(const std::string& path, CDCCPlugIns& owner, const char* duplicateText,
                                            LoadFailure& failure);
    ~CDCCPlugIn();
    CDCCPlugIn(const CDCCPlugIn&) = delete;
    CDCCPlugIn& operator=(const CDCCPlugIn&) = delete;

    const std::string& Name() const { return name_; }
    const std::string& Path() const { return path_; }
    const std::string& Text1() const { return text1_; }
    const std::string& Text2() const { return text2_; }
    const std::array<std::string, 3>& Types() const { return types_; }
    int32_t Value() const { return value_; }
    const CRawBitmap& Icon() const { return icon_; }
    void* Library() const { return library_; }
    // The number the plug-in passes back as `plugin`.
    void* HostKey() const { return reinterpret_cast<void*>(id_); }
    CDCCPlugIns& Owner() const { return owner_; }

    void Startup();
    void Setup();

    // A transfer to this plug-in starts: "Start" with the next handle.
    int32_t StartTransfer(DccSinkSource& source, const std::string& nick, const std::string& path, uint64_t size);
    // Null for a handle that never was or whose transfer and window are gone.
    CDCCPlugInTransfer* Transfer(int32_t handle);
    size_t TransferCount() const { return transfers_.size(); }
    // A transfer that ended and has no window goes.
    void ForgetIfDone(int32_t handle);
    // Every transfer closed and every window gone, at once.
    void CloseTransfers();
    // Callbacks 1-3 and the window's buttons act once the current call is
    // over: never inside the plug-in's own call, nor inside the window's.
    void PostAction(int32_t handle, Action action);

    void CallData(int32_t handle, const uint8_t* bytes, size_t length);
    void CallFinish(int32_t handle, int32_t code);
    void CallEvent(int32_t handle, int32_t event, int32_t x, int32_t y);

    // The loaded plug-in whose host block holds this number, or null.
    static CDCCPlugIn* FromHost(void* plugin);

private:
    CDCCPlugIn(std::string path, CDCCPlugIns& owner, void* library);
    bool Initialise(PvDccInitFunction init);
    void Act(int32_t handle, Action action);

    std::string path_;
    CDCCPlugIns& owner_;
    void* library_;
    uintptr_t id_;
    PvDccHost host_ {};
    PvBitmap iconInfo_ {};
    CRawBitmap icon_;
    std::string name_, text1_, text2_;
    std::array<std::string, 3> types_;
    int32_t value_ = 0;
    int32_t nextHandle_ = 1;
    PvStartupFunction startup_ = nullptr;
    PvDccSetupFunction setup_ = nullptr;
    PvDccStartFunction start_ = nullptr;
    PvDccDataFunction data_ = nullptr;
    PvDccFinishFunction finish_ = nullptr;
    PvDccEventFunction event_ = nullptr;
    std::map<int32_t, std::unique_ptr<CDCCPlugInTransfer>> transfers_;
};

}  // namespace parlevox
