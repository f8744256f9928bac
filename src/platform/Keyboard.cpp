#include "platform/Keyboard.h"

#include <utility>

namespace parlevox {
namespace {

Keyboard::PauseSource& Source() {
    static Keyboard::PauseSource source;
    return source;
}

}  // namespace

bool Keyboard::IsPauseDown() {
    const PauseSource& source = Source();
    return source && source();
}

void Keyboard::SetPauseSource(PauseSource source) {
    Source() = std::move(source);
}

}  // namespace parlevox
