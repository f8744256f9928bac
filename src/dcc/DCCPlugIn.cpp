#include "dcc/DCCPlugIn.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <unordered_map>

#include <fmt/printf.h>

#include "dcc/DCCPlugInTransfer.h"
#include "dcc/DCCPlugIns.h"
#include "dcc/DccPlugInTexts.h"
#include "platform/EventLoop.h"
#include "platform/ProgramFolder.h"
#include "platform/UserInterface.h"

namespace parlevox {

// The blocks keep the 32-bit interface's offsets for every field that is
// not an address; plug-ins built by others depend on them.
static_assert(offsetof(PvDccInfo, text1) == 32 && offsetof(PvDccInfo, text2) == 64 &&
              offsetof(PvDccInfo, types) == 128 && offsetof(PvDccInfo, value) == 176);
static_assert(sizeof(void*) != 8 || offsetof(PvDccInfo, iconPixels) == 184);
static_assert(offsetof(PvDccHost, plugin) == 8);

namespace {

constexpr int kIconSide = PV_ICON_SIZE;
// Longer keys and values are cut: a text without its terminator is read no further.
constexpr size_t kMaxKey = 1024;
constexpr size_t kMaxValue = 65536;

// The numbers in the host blocks of the loaded plug-ins. A number is never
// used twice, so a stale one finds nothing.
std::unordered_map<uintptr_t, CDCCPlugIn*>& Live() {
    static std::unordered_map<uintptr_t, CDCCPlugIn*> live;
    return live;
}

uintptr_t NextId() {
    static uintptr_t next = 0x5000;
    return ++next;
}

template <size_t N>
std::string Bounded(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

std::string Key(const char* key) {
    return std::string(key, strnlen(key, kMaxKey));
}

std::string Value(const char* value) {
    return std::string(value, strnlen(value, kMaxValue));
}

// --- The callbacks. Each checks the plug-in's number first.

void DeleteTransfer(void* plugin, int32_t transfer) {
    if (CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin)) plugIn->PostAction(transfer, CDCCPlugIn::Action::Delete);
}

void IgnoreSender(void* plugin, int32_t transfer) {
    if (CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin)) plugIn->PostAction(transfer, CDCCPlugIn::Action::Ignore);
}

void CloseTransfer(void* plugin, int32_t transfer) {
    if (CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin)) plugIn->PostAction(transfer, CDCCPlugIn::Action::Close);
}

PvWindow OpenWindow(void* plugin, int32_t transfer, int32_t width, int32_t height, PvBitmap* bitmap,
                    int32_t progress, int32_t buttons) {
    CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin);
    CDCCPlugInTransfer* found = plugIn ? plugIn->Transfer(transfer) : nullptr;
    return found ? found->OpenWindow(width, height, bitmap, progress != 0, buttons != 0) : 0;
}

void Redraw(void* plugin, int32_t transfer) {
    CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin);
    if (CDCCPlugInTransfer* found = plugIn ? plugIn->Transfer(transfer) : nullptr) found->Redraw();
}

// The settings of a plug-in that has a name (not yet during its Init).
DccPlugInSettings* SettingsOf(CDCCPlugIn* plugIn, const char* key) {
    if (!plugIn || !key || plugIn->Name().empty()) return nullptr;
    return plugIn->Owner().Settings();
}

int32_t GetSettingInt(void* plugin, const char* key, int32_t defaultValue) {
    CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin);
    if (!plugIn) return 0;
    DccPlugInSettings* settings = SettingsOf(plugIn, key);
    return settings ? settings->ReadInt(plugIn->Name(), Key(key), defaultValue) : defaultValue;
}

void SetSettingInt(void* plugin, const char* key, int32_t value) {
    CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin);
    if (DccPlugInSettings* settings = SettingsOf(plugIn, key)) settings->WriteInt(plugIn->Name(), Key(key), value);
}

void GetSettingString(void* plugin, const char* key, char* buffer, int32_t bufferSize) {
    CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin);
    if (!plugIn || !buffer || bufferSize <= 0) return;
    DccPlugInSettings* settings = SettingsOf(plugIn, key);
    const std::string text = settings ? settings->ReadString(plugIn->Name(), Key(key)) : std::string();
    const size_t copied = std::min(text.size(), static_cast<size_t>(bufferSize) - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
}

void SetSettingString(void* plugin, const char* key, const char* value) {
    CDCCPlugIn* plugIn = CDCCPlugIn::FromHost(plugin);
    DccPlugInSettings* settings = SettingsOf(plugIn, key);
    if (settings && value) settings->WriteString(plugIn->Name(), Key(key), Value(value));
}

int32_t HostQuery() {
    return 0;
}

template <typename Function>
Function Entry(void* library, const char* name) {
    return reinterpret_cast<Function>(dlsym(library, name));
}

}  // namespace

std::unique_ptr<CDCCPlugIn> CDCCPlugIn::Load(const std::string& path, CDCCPlugIns& owner, const char* duplicateText,
                                             LoadFailure& failure) {
    // A relative path (as the installer's settings list it) is under the
    // program folder; a bare name must never reach the library search path.
    const std::string file = path.empty() ? path : ProgramFolder::Resolve(path);
    struct stat info {};
    if (file.empty() || file.front() != '/' || ::stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
        ::access(file.c_str(), R_OK) != 0) {
        failure = {dcc_plugin_text::kCouldNotLoad, true};
        return nullptr;
    }
    void* library = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        failure = {fmt::sprintf(dcc_plugin_text::kFailedToLoad, path), false};
        return nullptr;
    }
    const auto same = [library](const auto& live) { return live.second->library_ == library; };
    if (std::any_of(Live().begin(), Live().end(), same)) {
        ::dlclose(library);
        failure = {duplicateText, false};
        return nullptr;
    }
    std::unique_ptr<CDCCPlugIn> plugIn(new CDCCPlugIn(path, owner, library));
    const auto init = Entry<PvDccInitFunction>(library, "Init");
    if (!init || !plugIn->Initialise(init)) {
        failure = {fmt::sprintf(dcc_plugin_text::kNotCompatible, path), false};
        return nullptr;
    }
    return plugIn;
}

CDCCPlugIn::CDCCPlugIn(std::string path, CDCCPlugIns& owner, void* library)
    : path_(std::move(path)), owner_(owner), library_(library), id_(NextId()) {
    Live()[id_] = this;
}

// Transfers end and windows close while the library's code is still there.
CDCCPlugIn::~CDCCPlugIn() {
    CloseTransfers();
    Live().erase(id_);
    ::dlclose(library_);
}

// The icon starts white; the plug-in draws into it during Init. A nameless
// plug-in could not be told apart in the file-type table.
bool CDCCPlugIn::Initialise(PvDccInitFunction init) {
    icon_ = CRawBitmap::TrueColour(kIconSide, kIconSide);
    iconInfo_ = {kIconSide, kIconSide, static_cast<int32_t>(icon_.Stride()), icon_.Pixels().data()};
    host_.version = PV_PLUGIN_INTERFACE_VERSION;
    host_.one = 1;
    host_.plugin = reinterpret_cast<void*>(id_);
    host_.deleteTransfer = &DeleteTransfer;
    host_.ignoreSender = &IgnoreSender;
    host_.closeTransfer = &CloseTransfer;
    host_.openWindow = &OpenWindow;
    host_.redraw = &Redraw;
    host_.getSettingInt = &GetSettingInt;
    host_.setSettingInt = &SetSettingInt;
    host_.getSettingString = &GetSettingString;
    host_.setSettingString = &SetSettingString;
    host_.hostQuery = &HostQuery;
    host_.icon = &iconInfo_;

    PvDccInfo info {};
    info.iconPixels = icon_.Pixels().data();
    if (init(&info, &host_) == 0) return false;
    name_ = Bounded(info.name);
    text1_ = Bounded(info.text1);
    text2_ = Bounded(info.text2);
    for (size_t i = 0; i < types_.size(); ++i) types_[i] = Bounded(info.types[i]);
    value_ = info.value;
    if (name_.empty()) return false;
    startup_ = Entry<PvStartupFunction>(library_, "Startup");
    setup_ = Entry<PvDccSetupFunction>(library_, "Setup");
    start_ = Entry<PvDccStartFunction>(library_, "Start");
    data_ = Entry<PvDccDataFunction>(library_, "Data");
    finish_ = Entry<PvDccFinishFunction>(library_, "Finish");
    event_ = Entry<PvDccEventFunction>(library_, "Event");
    return true;
}

CDCCPlugIn* CDCCPlugIn::FromHost(void* plugin) {
    auto it = Live().find(reinterpret_cast<uintptr_t>(plugin));
    return it == Live().end() ? nullptr : it->second;
}

void CDCCPlugIn::Startup() {
    if (startup_) startup_();
}

void CDCCPlugIn::Setup() {
    if (setup_) setup_();
}

int32_t CDCCPlugIn::StartTransfer(DccSinkSource& source, const std::string& nick, const std::string& path,
                                  uint64_t size) {
    int32_t handle = nextHandle_;
    while (transfers_.count(handle)) handle = handle == INT32_MAX ? 1 : handle + 1;
    nextHandle_ = handle == INT32_MAX ? 1 : handle + 1;
    transfers_[handle] = std::make_unique<CDCCPlugInTransfer>(*this, handle, source, nick, path, size);
    if (start_) start_(handle, path.c_str(), static_cast<int64_t>(std::min<uint64_t>(size, INT64_MAX)));
    return handle;
}

CDCCPlugInTransfer* CDCCPlugIn::Transfer(int32_t handle) {
    auto it = transfers_.find(handle);
    return it == transfers_.end() ? nullptr : it->second.get();
}

void CDCCPlugIn::ForgetIfDone(int32_t handle) {
    auto it = transfers_.find(handle);
    if (it == transfers_.end() || it->second->Running() || it->second->Window()) return;
    // It may be the caller: it goes once the call is over.
    owner_.Loop().DeleteLater(std::move(it->second));
    transfers_.erase(it);
}

void CDCCPlugIn::CloseTransfers() {
    std::vector<int32_t> handles;
    for (const auto& [handle, transfer] : transfers_) handles.push_back(handle);
    for (int32_t handle : handles)
        if (CDCCPlugInTransfer* transfer = Transfer(handle)) transfer->Close();
}

void CDCCPlugIn::PostAction(int32_t handle, Action action) {
    CDCCPlugInTransfer* transfer = Transfer(handle);
    if (!transfer || transfer->Closed()) return;
    transfer->MarkClosing();
    owner_.Loop().SingleShot(0, [id = id_, handle, action] {
        if (CDCCPlugIn* plugIn = FromHost(reinterpret_cast<void*>(id))) plugIn->Act(handle, action);
    });
}

// Only the list outlives a box: nothing of the plug-in or the transfer is
// used after one.
void CDCCPlugIn::Act(int32_t handle, Action action) {
    CDCCPlugInTransfer* transfer = Transfer(handle);
    if (!transfer || transfer->Closed()) return;
    const std::string path = transfer->Path();
    const std::string nick = transfer->Nick();
    CDCCPlugIns& owner = owner_;
    transfer->Close();
    if (action == Action::Close) return;
    if (::unlink(path.c_str()) != 0)
        owner.UI().ShowMessageBox({dcc_plugin_text::kDeleteFailureTitle, dcc_plugin_text::kDeleteFailure,
                                   MessageIcon::Exclamation, MessageButtons::Ok});
    if (action != Action::Ignore) return;
    if (const DccPlugInLink* link = owner.Linked(); link && link->ignoreSender) link->ignoreSender(nick);
}

void CDCCPlugIn::CallData(int32_t handle, const uint8_t* bytes, size_t length) {
    if (!data_) return;
    while (length > 0) {
        const size_t part = std::min<size_t>(length, INT32_MAX);
        data_(handle, static_cast<int32_t>(part), bytes);
        bytes += part;
        length -= part;
    }
}

void CDCCPlugIn::CallFinish(int32_t handle, int32_t code) {
    if (finish_) finish_(handle, code);
}

void CDCCPlugIn::CallEvent(int32_t handle, int32_t event, int32_t x, int32_t y) {
    if (event_) event_(handle, event, x, y);
}

}  // namespace parlevox
