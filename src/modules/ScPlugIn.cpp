#include "modules/ScPlugIn.h"

#include <dlfcn.h>
#include <fmt/printf.h>

#include <algorithm>
#include <cstring>

#include "common/TextHelpers.h"
#include "modules/ScPlugInTexts.h"
#include "platform/EventLoop.h"

namespace parlevox {
namespace {

// The records alive now: a callback's context must be one of them.
std::unordered_set<const void*>& LiveRecords() {
    static std::unordered_set<const void*> live;
    return live;
}

// Handles are never reused, across plug-ins too.
intptr_t NextWindowId() {
    static intptr_t next = 0;
    return ++next;
}

// A plug-in written in C++ might let an exception out; it is not ours to
// pass on through the client.
bool Accepted(PvScInitFunction init, PvScInfo& info, const PvScHost& host) {
    try {
        return init(&info, &host) != 0;
    } catch (...) {
        return false;
    }
}

// A text field of the information block, up to its size whether or not the
// plug-in terminated it.
template <size_t N>
std::string Field(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

}  // namespace

std::optional<std::string> PlugInTypeString(std::string_view text) {
    if (text.find_first_not_of("sifSIF") == std::string_view::npos) return std::string(text);
    std::string shortForm;
    for (size_t i = 0; i < text.size(); ++i) {
        const char letter = text[i];
        if (letter == 's' || letter == 'i' || letter == 'f') {
            shortForm += letter;
        } else if (letter == 'a' && i + 1 < text.size() &&
                   std::string_view("sif").find(text[i + 1]) != std::string_view::npos) {
            shortForm += static_cast<char>(text[++i] - 'a' + 'A');
        } else {
            return std::nullopt;
        }
    }
    return shortForm;
}

std::shared_ptr<CScPlugIn> CScPlugIn::Load(const std::string& path, std::shared_ptr<ScPlugInServices> services,
                                           const std::function<bool(void* library)>& sameLibrary, LoadError& error) {
    error = LoadError::Failed;
    // A bare name would be searched for along the library path.
    if (path.empty() || path.front() != '/') return nullptr;
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return nullptr;
    if (sameLibrary && sameLibrary(library)) {
        // Init again would hand the loaded copy a second table.
        dlclose(library);
        error = LoadError::SameLibrary;
        return nullptr;
    }
    auto init = reinterpret_cast<PvScInitFunction>(dlsym(library, "Init"));
    auto command = reinterpret_cast<PvScCommandFunction>(dlsym(library, "Command"));
    if (!init || !command) {
        dlclose(library);
        return nullptr;
    }
    std::shared_ptr<CScPlugIn> plugIn(new CScPlugIn(library, path, std::move(services), command));
    if (!Accepted(init, plugIn->info_, plugIn->host_) || !plugIn->TakeInfo()) {
        error = LoadError::NotCompatible;
        return nullptr;  // the record lets the library go
    }
    error = LoadError::None;
    return plugIn;
}

CScPlugIn::CScPlugIn(void* library, std::string path, std::shared_ptr<ScPlugInServices> services,
                     PvScCommandFunction command)
    : library_(library), path_(std::move(path)), services_(std::move(services)), command_(command),
      icon_(CRawBitmap::TrueColour(kIconSize, kIconSize)) {
    info_.iconPixels = icon_.Pixels().data();
    LiveRecords().insert(this);
    FillCallbacks(host_, this);
}

// The windows go before the library: their mouse handlers point into it.
// One may be showing a mouse event right now, so views go later.
CScPlugIn::~CScPlugIn() {
    LiveRecords().erase(this);
    for (std::unique_ptr<CPlugInPictureWnd>& window : windows_) {
        window->Detach();
        if (window->HasView()) services_->loop.DeleteLater(std::move(window));
    }
    windows_.clear();
    made_.clear();
    dlclose(library_);
}

CScPlugIn* CScPlugIn::FromContext(void* context) {
    return LiveRecords().count(context) ? static_cast<CScPlugIn*>(context) : nullptr;
}

// Counts outside 0-16, empty names, a name twice and type strings that
// no value has make a plug-in unusable.
bool CScPlugIn::TakeInfo() {
    name_ = Field(info_.name);
    text2_ = Field(info_.text2);
    text3_ = Field(info_.text3);
    if (name_.empty() || info_.commandCount < 0 || info_.commandCount > PV_SC_MAX_COMMANDS) return false;
    for (int32_t i = 0; i < info_.commandCount; ++i) {
        std::string name = Field(info_.commands[i]);
        std::optional<std::string> types = PlugInTypeString(Field(info_.types[i]));
        if (name.empty() || !types || FindCommand(name)) return false;
        commands_.push_back({std::move(name), std::move(*types)});
    }
    loaded_ = true;
    return true;
}

std::string CScPlugIn::SettingsName() const {
    return loaded_ ? name_ : Field(info_.name);  // Init may read its settings once it has named itself
}

std::string CScPlugIn::DisplayLine() const {
    return fmt::sprintf(plugin_text::kDisplayLine, name_, text2_, text3_);
}

const ScPlugInCommand* CScPlugIn::FindCommand(std::string_view name) const {
    for (const ScPlugInCommand& command : commands_)
        if (EqualsIgnoringCase(command.name, name)) return &command;
    return nullptr;
}

CVariable CScPlugIn::Run(const ScPlugInCommand& command, const CVariable& argument) {
    std::shared_ptr<CScPlugIn> keep = shared_from_this();
    arguments_.push_back(&argument);
    PvValue* returned = nullptr;
    try {
        returned = command_(command.name.c_str(), reinterpret_cast<const PvValue*>(&argument));
    } catch (...) {
    }
    CVariable result = TakeResult(returned);
    arguments_.pop_back();
    return result;
}

// A value it made moves out and is gone; its own argument or a system
// variable is copied; anything else is no value.
CVariable CScPlugIn::TakeResult(PvValue* returned) {
    if (auto made = made_.find(returned); made != made_.end()) {
        CVariable result = std::move(*made->second);
        made_.erase(made);
        return result;
    }
    const CVariable* readable = Readable(returned);
    return readable ? *readable : CVariable();
}

void CScPlugIn::CallStartup() {
    auto startup = reinterpret_cast<PvStartupFunction>(dlsym(library_, "Startup"));
    if (!startup) return;
    std::shared_ptr<CScPlugIn> keep = shared_from_this();
    try {
        startup();
    } catch (...) {
    }
}

const CVariable* CScPlugIn::Readable(const PvValue* value) const {
    if (!value) return nullptr;
    const void* address = value;
    const bool known = made_.count(address) || systemValues_.count(address) ||
                       std::find(arguments_.begin(), arguments_.end(), address) != arguments_.end();
    return known ? reinterpret_cast<const CVariable*>(value) : nullptr;
}

CVariable* CScPlugIn::Writable(PvValue* value) const {
    auto made = made_.find(value);
    return made == made_.end() ? nullptr : made->second.get();
}

const char* CScPlugIn::Keep(std::array<char, kStringBuffer + 1>& buffer, std::string_view text) {
    const size_t length = std::min(text.size(), kStringBuffer);
    std::memcpy(buffer.data(), text.data(), length);
    buffer[length] = '\0';
    return buffer.data();
}

PvWindow CScPlugIn::OpenPicture(const char* title, int32_t width, int32_t height, PvBitmap* bitmap,
                                void (*onMouse)(void*, int32_t, int32_t, int32_t), void* user) {
    std::unique_ptr<CPlugInPictureWnd> window =
        CPlugInPictureWnd::Make(NextWindowId(), title ? title : "", width, height);
    if (!window) return 0;
    const PvWindow id = window->Id();
    if (onMouse) {
        window->SetMouseHandler([this, id](int32_t event, int32_t x, int32_t y) { Mouse(id, event, x, y); });
        mouseTargets_[id] = {onMouse, user};
    }
    window->onCloseRequested = [this, id] { ClosedByPerson(id); };
    if (bitmap) *bitmap = PvBitmap{window->Width(), window->Height(), window->BytesPerRow(), window->Pixels()};
    CPlugInPictureWnd& made = *window;
    windows_.push_back(std::move(window));
    if (services_->windows) made.SetView(services_->windows->MakePictureView(made));
    return id;
}

CPlugInPictureWnd* CScPlugIn::FindWindow(PvWindow window) const {
    for (const std::unique_ptr<CPlugInPictureWnd>& open : windows_)
        if (open->Id() == window) return open.get();
    return nullptr;
}

// The picture stays valid until the end of the current event: the plug-in
// may be drawing from inside its own mouse handler.
void CScPlugIn::CloseWindow(PvWindow window) {
    auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& open) { return open->Id() == window; });
    if (found == windows_.end()) return;
    std::unique_ptr<CPlugInPictureWnd> closing = std::move(*found);
    windows_.erase(found);
    mouseTargets_.erase(window);
    closing->Detach();
    services_->loop.DeleteLater(std::move(closing));
}

// The plug-in is not told and may go on drawing: the picture stays until
// it closes the window itself or goes.
void CScPlugIn::ClosedByPerson(PvWindow window) {
    CPlugInPictureWnd* open = FindWindow(window);
    if (!open) return;
    open->SetMouseHandler(nullptr);
    if (std::unique_ptr<PlugInPictureView> view = open->TakeView()) services_->loop.DeleteLater(std::move(view));
}

void CScPlugIn::DropViews() {
    for (const std::unique_ptr<CPlugInPictureWnd>& window : windows_) {
        window->SetMouseHandler(nullptr);
        window->TakeView().reset();
    }
}

void CScPlugIn::Mouse(PvWindow window, int32_t event, int32_t x, int32_t y) {
    auto target = mouseTargets_.find(window);
    if (target == mouseTargets_.end()) return;
    const MouseTarget call = target->second;
    std::shared_ptr<CScPlugIn> keep = shared_from_this();
    try {
        call.handler(call.user, event, x, y);
    } catch (...) {
    }
}

}  // namespace parlevox
