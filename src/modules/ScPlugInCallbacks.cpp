// The callback table a script-command plug-in gets with Init. Every entry
// first checks that its context is a live record: a wrong or stale one does
// nothing and gives 0 or null. Values are checked the same way (see
// CScPlugIn::Readable). Nothing may throw back into the plug-in's C code.
#include "modules/ScPlugIn.h"

#include <type_traits>

#include "script/SystemVariables.h"

namespace parlevox {
namespace {

template <typename Result, typename Body>
Result Guarded(void* context, Result fallback, Body&& body) {
    CScPlugIn* plugIn = CScPlugIn::FromContext(context);
    if (!plugIn) return fallback;
    try {
        return body(*plugIn);
    } catch (...) {
        return fallback;
    }
}

template <typename Body>
void Guarded(void* context, Body&& body) {
    Guarded(context, 0, [&](CScPlugIn& plugIn) {
        body(plugIn);
        return 0;
    });
}

std::string Text(const char* text) {
    return text ? std::string(text) : std::string();
}

template <typename Value>
auto* ComponentOf(Value* value, int32_t component, ComponentType type) {
    using Component = std::conditional_t<std::is_const_v<Value>, const VariableComponent, VariableComponent>;
    if (!value || component < 0 || static_cast<size_t>(component) >= value->Count())
        return static_cast<Component*>(nullptr);
    Component& found = value->Component(static_cast<size_t>(component));
    return found.type == type ? &found : static_cast<Component*>(nullptr);
}

template <typename List>
auto* ElementOf(List* list, int32_t element) {
    using Element = decltype(&(*list)[0]);
    if (!list || element < 0 || static_cast<size_t>(element) >= list->size()) return static_cast<Element>(nullptr);
    return &(*list)[static_cast<size_t>(element)];
}

}  // namespace

struct CScPlugIn::Callbacks {
    // 1-4: windows.
    static int32_t OpenTextWindow(void* context, const char* name, const char* title, const char* inputFunction,
                                  const char* clearOrKeep) {
        return Guarded(context, 0, [&](CScPlugIn& plugIn) {
            PlugInWindowHost* windows = plugIn.services_->windows;
            const std::string words[] = {Text(name), Text(title), Text(inputFunction), Text(clearOrKeep)};
            return windows && windows->OpenTextWindow(words) ? 1 : 0;
        });
    }
    static int32_t WriteToWindow(void* context, const char* name, const char* text) {
        return Guarded(context, 0, [&](CScPlugIn& plugIn) {
            PlugInWindowHost* windows = plugIn.services_->windows;
            return windows && windows->WriteTextWindow(Text(name), Text(text)) ? 1 : 0;
        });
    }
    static PvWindow CreateGraphicsWindow(void* context, const char* title, int32_t width, int32_t height,
                                         PvBitmap* bitmap) {
        return Guarded(context, PvWindow{0}, [&](CScPlugIn& plugIn) {
            return plugIn.OpenPicture(title, width, height, bitmap, nullptr, nullptr);
        });
    }
    static void RedrawWindow(void* context, PvWindow window) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (CPlugInPictureWnd* open = plugIn.FindWindow(window)) open->Redraw();
        });
    }

    // 5-8: settings under the plug-in's name.
    static int32_t GetSettingInt(void* context, const char* key, int32_t defaultValue) {
        return Guarded(context, 0, [&](CScPlugIn& plugIn) {
            if (!key) return defaultValue;
            return static_cast<int32_t>(plugIn.services_->settings.ReadInt(plugIn.SettingsName(), key, defaultValue));
        });
    }
    static void SetSettingInt(void* context, const char* key, int32_t value) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (key) plugIn.services_->settings.WriteInt(plugIn.SettingsName(), key, value);
        });
    }
    static const char* GetSettingString(void* context, const char* key, const char* defaultValue) {
        return Guarded(context, static_cast<const char*>(nullptr), [&](CScPlugIn& plugIn) {
            plugIn.settingString_ = key ? plugIn.services_->settings.ReadString(plugIn.SettingsName(), key,
                                                                                Text(defaultValue))
                                        : Text(defaultValue);
            return plugIn.settingString_.c_str();
        });
    }
    static void SetSettingString(void* context, const char* key, const char* value) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (key) plugIn.services_->settings.WriteString(plugIn.SettingsName(), key, Text(value));
        });
    }

    // 9-12: windows again.
    static PvWindow CreateRealWindow(void* context, const char* title, int32_t width, int32_t height, PvBitmap* bitmap,
                                     void (*onMouse)(void*, int32_t, int32_t, int32_t), void* user) {
        return Guarded(context, PvWindow{0}, [&](CScPlugIn& plugIn) {
            return plugIn.OpenPicture(title, width, height, bitmap, onMouse, user);
        });
    }
    static void CloseWindow(void* context, PvWindow window) {
        Guarded(context, [&](CScPlugIn& plugIn) { plugIn.CloseWindow(window); });
    }
    static void SetWindowTitle(void* context, PvWindow window, const char* title) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (CPlugInPictureWnd* open = plugIn.FindWindow(window)) open->SetTitle(Text(title));
        });
    }
    // A window of the plug-in's own has no channel: its lines run in the
    // status window too. Someone else's handle runs nothing.
    static void RunCommandLine(void* context, PvWindow window, const char* line) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (!line || (window != 0 && !plugIn.FindWindow(window))) return;
            if (PlugInWindowHost* windows = plugIn.services_->windows) windows->RunCommandLine(line);
        });
    }

    // 13: the table's own value, which only the host changes.
    static const PvValue* GetSystemVariable(void* context, const char* name) {
        return Guarded(context, static_cast<const PvValue*>(nullptr), [&](CScPlugIn& plugIn) -> const PvValue* {
            const int32_t number = name ? SystemVariables::Number(name) : 0;
            const CVariable* value = number ? plugIn.services_->variables.Read(number) : nullptr;
            if (!value) return nullptr;
            plugIn.systemValues_.insert(value);
            return reinterpret_cast<const PvValue*>(value);
        });
    }

    // 14-20: reading values.
    static const char* GetStringComponent(void* context, const PvValue* value, int32_t component) {
        return Guarded(context, static_cast<const char*>(nullptr), [&](CScPlugIn& plugIn) -> const char* {
            const VariableComponent* found = ComponentOf(plugIn.Readable(value), component, ComponentType::String);
            return found ? plugIn.Keep(plugIn.stringComponent_, found->text) : nullptr;
        });
    }
    static int32_t GetIntComponent(void* context, const PvValue* value, int32_t component) {
        return Guarded(context, -1, [&](CScPlugIn& plugIn) {
            const VariableComponent* found = ComponentOf(plugIn.Readable(value), component, ComponentType::Int);
            return found ? found->number : -1;
        });
    }
    static const char* GetFunctionComponent(void* context, const PvValue* value, int32_t component) {
        return Guarded(context, static_cast<const char*>(nullptr), [&](CScPlugIn& plugIn) -> const char* {
            const VariableComponent* found = ComponentOf(plugIn.Readable(value), component, ComponentType::Function);
            return found ? plugIn.Keep(plugIn.functionComponent_, found->text) : nullptr;
        });
    }
    static int32_t GetArrayLength(void* context, const PvValue* value, int32_t component) {
        return Guarded(context, -1, [&](CScPlugIn& plugIn) {
            const CVariable* readable = plugIn.Readable(value);
            if (!readable || component < 0 || static_cast<size_t>(component) >= readable->Count()) return -1;
            const VariableComponent& found = readable->Component(static_cast<size_t>(component));
            if (found.type == ComponentType::IntArray) return static_cast<int32_t>(found.numbers.size());
            if (IsArray(found.type)) return static_cast<int32_t>(found.texts.size());
            return -1;
        });
    }
    static const char* GetStringElement(void* context, const PvValue* value, int32_t component, int32_t element) {
        return Guarded(context, static_cast<const char*>(nullptr), [&](CScPlugIn& plugIn) -> const char* {
            const VariableComponent* found = ComponentOf(plugIn.Readable(value), component, ComponentType::StringArray);
            const std::string* text = ElementOf(found ? &found->texts : nullptr, element);
            return text ? plugIn.Keep(plugIn.stringElement_, *text) : nullptr;
        });
    }
    static int32_t GetIntElement(void* context, const PvValue* value, int32_t component, int32_t element) {
        return Guarded(context, -1, [&](CScPlugIn& plugIn) {
            const VariableComponent* found = ComponentOf(plugIn.Readable(value), component, ComponentType::IntArray);
            const int32_t* number = ElementOf(found ? &found->numbers : nullptr, element);
            return number ? *number : -1;
        });
    }
    static const char* GetFunctionElement(void* context, const PvValue* value, int32_t component, int32_t element) {
        return Guarded(context, static_cast<const char*>(nullptr), [&](CScPlugIn& plugIn) -> const char* {
            const VariableComponent* found =
                ComponentOf(plugIn.Readable(value), component, ComponentType::FunctionArray);
            const std::string* text = ElementOf(found ? &found->texts : nullptr, element);
            return text ? plugIn.Keep(plugIn.functionElement_, *text) : nullptr;
        });
    }

    // 21: owned by the record until Command returns it or the plug-in goes.
    static PvValue* CreateValue(void* context, const char* typeString) {
        return Guarded(context, static_cast<PvValue*>(nullptr), [&](CScPlugIn& plugIn) -> PvValue* {
            std::optional<std::string> types = PlugInTypeString(Text(typeString));
            if (!types || types->size() > kMaxNameComponents) return nullptr;
            auto value = std::make_unique<CVariable>(CVariable::FromTypeString(*types));
            PvValue* handle = reinterpret_cast<PvValue*>(value.get());
            plugIn.made_[handle] = std::move(value);
            return handle;
        });
    }

    // 22-27: changing values the plug-in made; a wrong type or index does nothing.
    static void SetStringComponent(void* context, PvValue* value, int32_t component, const char* text) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (VariableComponent* found = ComponentOf(plugIn.Writable(value), component, ComponentType::String))
                found->text = Text(text);
        });
    }
    static void SetIntComponent(void* context, PvValue* value, int32_t component, int32_t number) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (VariableComponent* found = ComponentOf(plugIn.Writable(value), component, ComponentType::Int))
                found->number = number;
        });
    }
    static void SetFunctionComponent(void* context, PvValue* value, int32_t component, const char* function) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            if (VariableComponent* found = ComponentOf(plugIn.Writable(value), component, ComponentType::Function))
                found->text = Text(function);
        });
    }
    static void SetStringElement(void* context, PvValue* value, int32_t component, int32_t element, const char* text) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            VariableComponent* found = ComponentOf(plugIn.Writable(value), component, ComponentType::StringArray);
            if (std::string* old = ElementOf(found ? &found->texts : nullptr, element)) *old = Text(text);
        });
    }
    static void SetIntElement(void* context, PvValue* value, int32_t component, int32_t element, int32_t number) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            VariableComponent* found = ComponentOf(plugIn.Writable(value), component, ComponentType::IntArray);
            if (int32_t* old = ElementOf(found ? &found->numbers : nullptr, element)) *old = number;
        });
    }
    static void SetFunctionElement(void* context, PvValue* value, int32_t component, int32_t element,
                                   const char* function) {
        Guarded(context, [&](CScPlugIn& plugIn) {
            VariableComponent* found = ComponentOf(plugIn.Writable(value), component, ComponentType::FunctionArray);
            if (std::string* old = ElementOf(found ? &found->texts : nullptr, element)) *old = Text(function);
        });
    }

    // 28: nothing to ask yet.
    static int32_t HostQuery() { return 0; }

    static void Fill(PvScHost& host, CScPlugIn* record) {
        host.version = PV_PLUGIN_INTERFACE_VERSION;
        host.one = 1;
        host.context = record;
        host.openTextWindow = OpenTextWindow;
        host.writeToWindow = WriteToWindow;
        host.createGraphicsWindow = CreateGraphicsWindow;
        host.redrawWindow = RedrawWindow;
        host.getSettingInt = GetSettingInt;
        host.setSettingInt = SetSettingInt;
        host.getSettingString = GetSettingString;
        host.setSettingString = SetSettingString;
        host.createRealWindow = CreateRealWindow;
        host.closeWindow = CloseWindow;
        host.setWindowTitle = SetWindowTitle;
        host.runCommandLine = RunCommandLine;
        host.getSystemVariable = GetSystemVariable;
        host.getStringComponent = GetStringComponent;
        host.getIntComponent = GetIntComponent;
        host.getFunctionComponent = GetFunctionComponent;
        host.getArrayLength = GetArrayLength;
        host.getStringElement = GetStringElement;
        host.getIntElement = GetIntElement;
        host.getFunctionElement = GetFunctionElement;
        host.createValue = CreateValue;
        host.setStringComponent = SetStringComponent;
        host.setIntComponent = SetIntComponent;
        host.setFunctionComponent = SetFunctionComponent;
        host.setStringElement = SetStringElement;
        host.setIntElement = SetIntElement;
        host.setFunctionElement = SetFunctionElement;
        host.hostQuery = HostQuery;
    }
};

void CScPlugIn::FillCallbacks(PvScHost& host, CScPlugIn* record) {
    Callbacks::Fill(host, record);
}

}  // namespace parlevox
