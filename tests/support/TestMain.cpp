// Every test process works in throwaway folders and never touches the
// user's own settings.
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "support/TempDir.h"

// fontconfig keeps its configuration cache for the life of the process by
// design; the leak checker is told so instead of every test failing on it.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

int main(int argc, char** argv) {
    parlevox::test::TempDir home;
    setenv("PARLEVOX_HOME", home.File("home").c_str(), 1);
    setenv("PARLEVOX_REGISTRY", home.File("registry.reg").c_str(), 1);
    setenv("XDG_CONFIG_HOME", home.File("config").c_str(), 1);
    setenv("XDG_DATA_HOME", home.File("data").c_str(), 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
