#include "script/SystemVariables.h"

#include "platform/Clock.h"

namespace parlevox {

namespace {

enum class OnRead { No, Server, Nick, UserName, HostName, Connected, Services, Time, TimeText, DateText, NorC, LocalAddress };

struct Slot {
    const char* name;  // its type prefix gives the value's type
    OnRead onRead;
};

// The position is the number minus 1.
constexpr Slot kSlots[SystemVariables::kCount] = {
    {"sSysServer", OnRead::Server},
    {"sSysNick", OnRead::Nick},
    {"sSysUsername", OnRead::UserName},
    {"sSysHostname", OnRead::HostName},
    {"iSysConnected", OnRead::Connected},
    {"iSysServices", OnRead::Services},
    {"iSysTime", OnRead::Time},
    {"sSysTime", OnRead::TimeText},
    {"sSysDate", OnRead::DateText},
    {"iSysHandled", OnRead::No},
    {"sSysRawMessage", OnRead::No},
    {"sSysSenderNick", OnRead::No},
    {"sSysSenderUsername", OnRead::No},
    {"sSysSenderHostname", OnRead::No},
    {"sSysChannel", OnRead::No},
    {"sSysText", OnRead::No},
    {"iSysNumeric", OnRead::No},
    {"sSysParam1", OnRead::No},
    {"sSysParam2", OnRead::No},
    {"sSysParam3", OnRead::No},
    {"sSysParam4", OnRead::No},
    {"sSysParam5", OnRead::No},
    {"sSysParam6", OnRead::No},
    {"sSysParam7", OnRead::No},
    {"sSysParam8", OnRead::No},
    {"sSysParam9", OnRead::No},
    {"sSysParam10", OnRead::No},
    {"sSysParam11", OnRead::No},
    {"sSysParam12", OnRead::No},
    {"sSysParam13", OnRead::No},
    {"sSysParam14", OnRead::No},
    {"sSysType", OnRead::No},
    {"sSysTargetNick", OnRead::No},
    {"sSysFlags", OnRead::No},
    {"iSysReason", OnRead::No},
    {"sSysDCCIP", OnRead::No},
    {"iSysDCCPort", OnRead::No},
    {"sSysDCCFilename", OnRead::No},
    {"iSysDCCFilesize", OnRead::No},
    {"sSysKiller", OnRead::No},
    {"sC", OnRead::No},
    {"sN", OnRead::No},
    {"sNorC", OnRead::NorC},
    {"sSysSendingServer", OnRead::No},
    {"sSysLocalAddress", OnRead::LocalAddress},
};

constexpr int32_t kNumberOfC = 41;
constexpr int32_t kNumberOfN = 42;

}  // namespace

SystemVariables::SystemVariables(const SystemVariableProvider& provider) : provider_(&provider) {
    for (int32_t i = 0; i < kCount; ++i) values_[static_cast<size_t>(i)] = CVariable::FromName(kSlots[i].name);
}

SystemVariables::SystemVariables(const ConnectionState& state)
    : ownProvider_(std::make_unique<ConnectionStateProvider>(state)) {
    for (int32_t i = 0; i < kCount; ++i) values_[static_cast<size_t>(i)] = CVariable::FromName(kSlots[i].name);
    provider_ = ownProvider_.get();
}

int32_t SystemVariables::Number(std::string_view name) {
    for (int32_t i = 0; i < kCount; ++i)
        if (name == kSlots[i].name) return i + 1;
    return 0;
}

std::string_view SystemVariables::Name(int32_t number) {
    if (number < 1 || number > kCount) return {};
    return kSlots[number - 1].name;
}

CVariable* SystemVariables::Read(int32_t number) {
    if (number < 1 || number > kCount) return nullptr;
    Refresh(number);
    return &values_[static_cast<size_t>(number - 1)];
}

void SystemVariables::Refresh(int32_t number) {
    VariableComponent& value = values_[static_cast<size_t>(number - 1)].Component(0);
    const SystemVariableProvider& p = *provider_;
    switch (kSlots[number - 1].onRead) {
        case OnRead::No: break;
        case OnRead::Server: value.text = p.ServerName(); break;
        case OnRead::Nick: value.text = p.Nick(); break;
        case OnRead::UserName: value.text = p.UserName(); break;
        case OnRead::HostName: value.text = p.HostName(); break;
        case OnRead::Connected: value.number = p.Connected() ? 1 : 0; break;
        case OnRead::Services: value.number = p.ServicesUp() ? 1 : 0; break;
        // Scripts hold 32-bit integers: the seconds wrap in 2038.
        case OnRead::Time: value.number = static_cast<int32_t>(p.Now()); break;
        case OnRead::TimeText: value.text = Clock::FormatLocal("%H:%M:%S", p.Now()); break;
        case OnRead::DateText: value.text = Clock::FormatLocal("%a, %b %d %y", p.Now()); break;
        case OnRead::NorC: {
            const std::string& channel = values_[kNumberOfC - 1].Component(0).text;
            value.text = channel.empty() ? values_[kNumberOfN - 1].Component(0).text : channel;
            break;
        }
        case OnRead::LocalAddress: value.text = p.LocalAddress(); break;
    }
}

VariableComponent* SystemVariables::ScalarOf(std::string_view name, ComponentType type) {
    int32_t number = Number(name);
    if (number == 0) return nullptr;
    VariableComponent& component = values_[static_cast<size_t>(number - 1)].Component(0);
    return component.type == type ? &component : nullptr;
}

void SystemVariables::SetString(std::string_view name, std::string_view value) {
    if (VariableComponent* component = ScalarOf(name, ComponentType::String)) component->text.assign(value);
}

void SystemVariables::SetInt(std::string_view name, int value) {
    if (VariableComponent* component = ScalarOf(name, ComponentType::Int)) component->number = value;
}

std::optional<std::string> SystemVariables::GetString(std::string_view name) {
    int32_t number = Number(name);
    if (number == 0 || !ScalarOf(name, ComponentType::String)) return std::nullopt;
    return Read(number)->Component(0).text;
}

}  // namespace parlevox
