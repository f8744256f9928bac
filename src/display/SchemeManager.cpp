#include "display/SchemeManager.h"

#include <algorithm>

#include "common/InternalErrorReport.h"
#include "common/TextError.h"
#include "display/SchemeFile.h"
#include "display/SchemeManagerTexts.h"
#include "display/SchemeTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/UserInterface.h"

namespace parlevox {
namespace {

bool HasStar(const std::vector<std::string>& words) {
    return std::find(words.begin(), words.end(), "*") != words.end();
}

std::string WindowKey(const SchemeWindow& window) {
    std::string key;
    key.reserve(window.name.size() + window.serverName.size() + 3);
    key += static_cast<char>('0' + static_cast<int>(window.kind));
    key += window.name;
    key += '\0';
    key += window.serverName;
    return key;
}

}  // namespace

CSchemeManager::CSchemeManager(UserInterface& ui, std::string programFolder)
    : ui_(ui), programFolder_(std::move(programFolder)) {
    if (!programFolder_.empty() && programFolder_.back() != '/') programFolder_ += '/';
    entries_.push_back({std::make_unique<CScheme>(), {}});
}

CSchemeManager::~CSchemeManager() = default;

void CSchemeManager::LoadInstalled(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (path.empty()) {
            ui_.ShowMessageBox({texts::kSchemeBoxTitle, texts::kSchemesLost, MessageIcon::Exclamation});
            dirty_ = true;
            break;
        }
        if (Count() >= kMaxSchemes || !Append(path)) dirty_ = true;
    }
    Changed();
}

const CScheme& CSchemeManager::SchemeAt(int index) const {
    if (index < 0 || index >= Count()) {
        PARLEVOX_INTERNAL_ERROR();
        return *entries_.front().scheme;
    }
    return *entries_[static_cast<size_t>(index)].scheme;
}

const std::string& CSchemeManager::PathAt(int index) const {
    if (index < 0 || index >= Count()) {
        PARLEVOX_INTERNAL_ERROR();
        return entries_.front().path;
    }
    return entries_[static_cast<size_t>(index)].path;
}

std::string CSchemeManager::FullPathAt(int index) const {
    const std::string& path = PathAt(index);
    if (path.empty()) return path;
    return ProgramFolder::ResolveIn(programFolder_, path);
}

std::string CSchemeManager::DisplayName(int index) const {
    return DisplayNameOf(PathAt(index));
}

std::string CSchemeManager::DisplayNameOf(std::string_view path) {
    const std::string_view extension = kExtension;
    if (path.size() >= extension.size() && path.substr(path.size() - extension.size()) == extension)
        path.remove_suffix(extension.size());
    const size_t slash = path.find_last_of("\\/");
    if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
    return std::string(path);
}

std::vector<std::string> CSchemeManager::Paths() const {
    std::vector<std::string> paths;
    for (size_t i = 1; i < entries_.size(); ++i) paths.push_back(entries_[i].path);
    return paths;
}

int CSchemeManager::IndexForWindow(const SchemeWindow& window) const {
    std::string key = WindowKey(window);
    if (auto found = chosen_.find(key); found != chosen_.end()) return found->second;
    int index = Count() - 1;
    while (index > 0 && !entries_[static_cast<size_t>(index)].scheme->AppliesTo(window)) --index;
    chosen_.emplace(std::move(key), index);
    return index;
}

const CScheme& CSchemeManager::SchemeForWindow(const SchemeWindow& window) const {
    return *entries_[static_cast<size_t>(IndexForWindow(window))].scheme;
}

void CSchemeManager::RegisterPane(SchemeListener& pane) {
    panes_.push_back(&pane);
}

void CSchemeManager::UnregisterPane(SchemeListener& pane) {
    std::erase(panes_, &pane);
}

void CSchemeManager::NotifyPanes() {
    // A pane may go (or another come) while it repaints.
    const std::vector<SchemeListener*> panes = panes_;
    for (SchemeListener* pane : panes)
        if (std::find(panes_.begin(), panes_.end(), pane) != panes_.end()) pane->SchemeChanged();
}

void CSchemeManager::Changed() {
    chosen_.clear();
}

bool CSchemeManager::Install(const std::string& path) {
    if (Count() >= kMaxSchemes) {
        ui_.ShowMessageBox({texts::kSchemeBoxTitle, texts::kSchemeListFull, MessageIcon::Exclamation});
        return false;
    }
    const std::vector<std::string> installed = Paths();
    if (std::find(installed.begin(), installed.end(), StoredPath(path)) != installed.end()) {
        ui_.ShowMessageBox({texts::kSchemeBoxTitle, texts::kSchemeAlreadyInstalled, MessageIcon::Exclamation});
        return false;
    }
    if (!Append(path)) return false;
    dirty_ = true;
    Changed();
    NotifyPanes();
    return true;
}

bool CSchemeManager::Append(const std::string& path) {
    const std::string stored = StoredPath(path);
    const std::string full = ProgramFolder::ResolveIn(programFolder_, stored);
    try {
        entries_.push_back({std::make_unique<CScheme>(ReadSchemeFile(full)), stored});
    } catch (const TextError& error) {
        ui_.ShowMessageBox({texts::kSchemeBoxTitle, texts::kProblemLoadingScheme + path + ": " + error.Text(),
                            MessageIcon::Exclamation});
        return false;
    }
    return true;
}

bool CSchemeManager::ValidInstalledIndex(int index) const {
    if (index >= 1 && index < Count()) return true;
    PARLEVOX_INTERNAL_ERROR();
    return false;
}

void CSchemeManager::Remove(int index) {
    if (!ValidInstalledIndex(index)) return;
    entries_.erase(entries_.begin() + index);
    dirty_ = true;
    Changed();
    NotifyPanes();
}

bool CSchemeManager::MoveUp(int index) {
    if (!ValidInstalledIndex(index)) return false;
    if (index == 1) return false;
    std::swap(entries_[static_cast<size_t>(index)], entries_[static_cast<size_t>(index - 1)]);
    dirty_ = true;
    Changed();
    NotifyPanes();
    return true;
}

bool CSchemeManager::MoveDown(int index) {
    if (!ValidInstalledIndex(index)) return false;
    if (index + 1 >= Count()) return false;
    return MoveUp(index + 1);
}

bool CSchemeManager::AddScheme(const CScheme& scheme, const std::string& path) {
    if (Count() >= kMaxSchemes) {
        ui_.ShowMessageBox({texts::kSchemeBoxTitle, texts::kSchemeListFull, MessageIcon::Exclamation});
        return false;
    }
    try {
        WriteSchemeFile(path, scheme);
    } catch (const TextError& error) {
        ui_.ShowMessageBox({texts::kSchemeBoxTitle, error.Text(), MessageIcon::Exclamation});
        return false;
    }
    entries_.push_back({std::make_unique<CScheme>(scheme), StoredPath(path)});
    dirty_ = true;
    Changed();
    NotifyPanes();
    return true;
}

bool CSchemeManager::NewScheme(const std::string& path) {
    return AddScheme(CScheme(), path);
}

bool CSchemeManager::CloneScheme(int index, const std::string& path) {
    if (index < 0 || index >= Count()) {
        PARLEVOX_INTERNAL_ERROR();
        return false;
    }
    return AddScheme(*entries_[static_cast<size_t>(index)].scheme, path);
}

std::unique_ptr<CScheme> CSchemeManager::BeginEdit(int index) {
    if (!ValidInstalledIndex(index)) return nullptr;
    editing_ = true;
    return std::make_unique<CScheme>(*entries_[static_cast<size_t>(index)].scheme);
}

std::unique_ptr<CScheme> CSchemeManager::ApplyEdit(int index, const CScheme& copy) {
    if (!ValidInstalledIndex(index)) return nullptr;
    entries_[static_cast<size_t>(index)].scheme = std::make_unique<CScheme>(copy);
    Changed();
    NotifyPanes();
    return std::make_unique<CScheme>(copy);
}

bool CSchemeManager::EndEdit(int index, const CScheme& copy) {
    editing_ = false;
    if (!ValidInstalledIndex(index)) return false;
    entries_[static_cast<size_t>(index)].scheme = std::make_unique<CScheme>(copy);
    Changed();
    NotifyPanes();
    try {
        WriteSchemeFile(FullPathAt(index), copy);
    } catch (const TextError& error) {
        ui_.ShowMessageBox({texts::kSchemeBoxTitle, error.Text(), MessageIcon::Exclamation});
        return false;
    }
    return true;
}

std::string CSchemeManager::EditorTitle(int index) const {
    return DisplayName(index) + texts::kEditorTitleSuffix;
}

std::string CSchemeManager::StoredPath(const std::string& path) const {
    if (!programFolder_.empty() && path.size() > programFolder_.size() &&
        path.compare(0, programFolder_.size(), programFolder_) == 0)
        return path.substr(programFolder_.size());
    return path;
}

void CSchemeManager::NarrowUsage(CScheme& scheme, std::string_view windowId) {
    const SchemeWindow window = WindowOfId(windowId);
    SchemeUsage usage = scheme.Usage();
    usage.channels.clear();
    usage.privateChats.clear();
    usage.builtInWindows.clear();
    if (window.kind == SchemeWindow::Kind::Channel)
        usage.channels.push_back(window.name);
    else if (window.kind == SchemeWindow::Kind::PrivateChat)
        usage.privateChats.push_back(window.name);
    else
        usage.builtInWindows.emplace_back(windowId.substr(1));
    scheme.SetUsage(std::move(usage));
}

bool CSchemeManager::IsGeneral(const CScheme& scheme) {
    const SchemeUsage& usage = scheme.Usage();
    return HasStar(usage.channels) || (usage.channels.empty() && HasStar(usage.privateChats));
}

// A channel's id is its name, which begins with "#" already.
SchemeWindow CSchemeManager::WindowOfId(std::string_view windowId) {
    SchemeWindow window;
    if (windowId.empty()) return window;
    if (windowId.front() == '#') {
        window.kind = SchemeWindow::Kind::Channel;
        window.name = windowId;
        return window;
    }
    if (windowId.front() != '~') {
        window.kind = SchemeWindow::Kind::PrivateChat;
        window.name = windowId;
        return window;
    }
    const std::string_view kind = windowId.substr(1);
    const std::string_view textPrefix = texts::kTextWindowKindPrefix;
    if (kind == texts::kControlBarKind)
        window.kind = SchemeWindow::Kind::ControlBar;
    else if (kind == texts::kMotdWindowKind)
        window.kind = SchemeWindow::Kind::MessageOfTheDay;
    else if (kind == texts::kBackgroundWindowKind)
        window.kind = SchemeWindow::Kind::Background;
    else if (kind.substr(0, textPrefix.size()) == textPrefix) {
        window.kind = SchemeWindow::Kind::TextWindow;
        window.name = kind.substr(textPrefix.size());
    }
    return window;
}

std::string CSchemeManager::CompleteExtension(std::string path) {
    const std::string_view extension = kExtension;
    const std::string_view head = extension.substr(0, 4);
    if (path.size() >= 4 && std::string_view(path).substr(path.size() - 4) == head) path += extension.substr(4);
    return path;
}

}  // namespace parlevox
