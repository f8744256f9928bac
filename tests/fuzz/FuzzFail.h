#pragma once
// A broken promise of the code under fuzzing: said on stderr, then a crash
// that libFuzzer keeps as a finding.
#include <cstdio>
#include <cstdlib>

namespace parlevox {

[[noreturn]] inline void FuzzFail(const char* target, const char* what) {
    std::fprintf(stderr, "%s: %s\n", target, what);
    std::abort();
}

}  // namespace parlevox
