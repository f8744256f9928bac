// The script-command plug-in the host's tests load, built once per
// behaviour (TEST_PLUGIN_<variant>): a good one whose commands run a hook
// the test installs, and the broken ones a host must refuse or survive.
#include <cstring>

#include "parlevox/plugin.h"

namespace {

using Hook = PvValue* (*)(const char* name, const PvValue* argument, const PvScHost* host);

const PvScHost* host = nullptr;
Hook hook = nullptr;
int calls = 0;
int startups = 0;

void Put(char* field, const char* text) {
    std::strcpy(field, text);
}

}  // namespace

PV_PLUGIN_ENTRY void TestSetHook(Hook newHook) {
    hook = newHook;
}
PV_PLUGIN_ENTRY int TestCalls() {
    return calls;
}
PV_PLUGIN_ENTRY int TestStartups() {
    return startups;
}
PV_PLUGIN_ENTRY const PvScHost* TestHost() {
    return host;
}

#ifndef TEST_PLUGIN_NoInit
PV_PLUGIN_ENTRY int Init(PvScInfo* info, const PvScHost* given) {
    host = given;
#if defined(TEST_PLUGIN_InitZero)
    return 0;
#elif defined(TEST_PLUGIN_NoTerminators)
    std::memset(info->name, 'N', sizeof info->name);
    std::memset(info->text2, '2', sizeof info->text2);
    std::memset(info->text3, '3', sizeof info->text3);
    std::memset(info->commands[0], 'C', sizeof info->commands[0]);
    std::memset(info->types[0], 's', sizeof info->types[0]);
    info->commandCount = 1;
#else
    Put(info->name, "Tester");
    Put(info->text2, "Ada");
    Put(info->text3, "(c) the tests");
    const char* commands[][2] = {{"DoIt", "s"}, {"Pair", "si"}, {"Lists", "asaiaf"}, {"All", "sifSIF"}, {"Nothing", ""}};
    for (int i = 0; i < 5; ++i) {
        Put(info->commands[i], commands[i][0]);
        Put(info->types[i], commands[i][1]);
    }
    info->commandCount = 5;
#if defined(TEST_PLUGIN_Seventeen)
    for (int i = 5; i < 16; ++i) {
        Put(info->commands[i], "Extra");
        info->commands[i][5] = static_cast<char>('a' + i);
    }
    info->commandCount = 17;  // one more than the block has room for
#elif defined(TEST_PLUGIN_SameName)
    Put(info->commands[4], "DOIT");
#endif
    // A mark the tests find on the title screen's icon: the top left pixel red.
    info->iconPixels[0] = 0;
    info->iconPixels[1] = 0;
    info->iconPixels[2] = 255;
#endif
    return 1;
}
#endif

PV_PLUGIN_ENTRY PvValue* Command(const char* name, const PvValue* argument) {
    ++calls;
    return hook ? hook(name, argument, host) : nullptr;
}

PV_PLUGIN_ENTRY void Startup(void) {
    ++startups;
}
