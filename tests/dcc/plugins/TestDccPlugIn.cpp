// A DCC plug-in for the tests, built in several variants (see
// tests/CMakeLists.txt): a well-behaved one that logs every call and lets
// the test act inside its calls, and the bad ones a host must refuse.
#include <cstdio>
#include <cstring>
#include <string>

#include "parlevox/plugin.h"

namespace {

const PvDccHost* host = nullptr;
std::string log;
void (*hook)(const char* call, int32_t transfer) = nullptr;

void Log(const std::string& line) {
    log += line + "\n";
}

[[maybe_unused]] void Copy(char* field, size_t size, const char* text) {
    std::snprintf(field, size, "%s", text);
}

}  // namespace

#if !defined(TEST_NO_INIT)
PV_PLUGIN_ENTRY int Init(PvDccInfo* info, const PvDccHost* givenHost) {
    host = givenHost;
    Log("Init " + std::to_string(givenHost->version) + " " + std::to_string(givenHost->one));
#if defined(TEST_INIT_ZERO)
    (void)info;
    return 0;
#elif defined(TEST_NO_TERMINATORS)
    std::memset(info->name, 'N', sizeof info->name);
    std::memset(info->text1, 'A', sizeof info->text1);
    std::memset(info->text2, 'B', sizeof info->text2);
    std::memset(info->types, 'T', sizeof info->types);
    return 1;
#else
    Copy(info->name, sizeof info->name, TEST_NAME);
    Copy(info->text1, sizeof info->text1, "text one");
    Copy(info->text2, sizeof info->text2, "text two");
    Copy(info->types[0], sizeof info->types[0], "gif");
    Copy(info->types[1], sizeof info->types[1], "");
    Copy(info->types[2], sizeof info->types[2], "JPG");
    info->value = 7;
    // A red first pixel and a pointer the host block repeats.
    info->iconPixels[2] = 0xFF;
    info->iconPixels[0] = info->iconPixels[1] = 0;
    if (givenHost->icon->pixels != info->iconPixels || givenHost->icon->bytesPerRow != 144) Log("icon mismatch");
    return 1;
#endif
}
#endif

PV_PLUGIN_ENTRY void Startup(void) {
    Log("Startup");
}

PV_PLUGIN_ENTRY void Setup(void) {
    Log("Setup");
}

PV_PLUGIN_ENTRY void Start(int32_t transfer, const char* path, int64_t size) {
    Log("Start " + std::to_string(transfer) + " " + path + " " + std::to_string(size));
    if (hook) hook("Start", transfer);
}

PV_PLUGIN_ENTRY void Data(int32_t transfer, int32_t length, const uint8_t* bytes) {
    Log("Data " + std::to_string(transfer) + " " + std::string(reinterpret_cast<const char*>(bytes), length));
    if (hook) hook("Data", transfer);
}

PV_PLUGIN_ENTRY void Finish(int32_t transfer, int32_t code) {
    Log("Finish " + std::to_string(transfer) + " " + std::to_string(code));
    if (hook) hook("Finish", transfer);
}

PV_PLUGIN_ENTRY void Event(int32_t transfer, int32_t event, int32_t x, int32_t y) {
    Log("Event " + std::to_string(transfer) + " " + std::to_string(event) + " " + std::to_string(x) + " " +
        std::to_string(y));
}

// For the test, which opens the same library again to reach these.
PV_PLUGIN_ENTRY const char* TestLog(void) {
    return log.c_str();
}

PV_PLUGIN_ENTRY void TestClear(void) {
    log.clear();
    hook = nullptr;
}

PV_PLUGIN_ENTRY const PvDccHost* TestHost(void) {
    return host;
}

PV_PLUGIN_ENTRY void TestSetHook(void (*given)(const char* call, int32_t transfer)) {
    hook = given;
}
