#pragma once
#include <string_view>

namespace parlevox {

// Lenient decimal parse: one trailing space is allowed, a leading "-"
// negates, empty text is 0, and anything else gives -1 (which is also the
// number -1). Overflow wraps as 32-bit arithmetic would.
int ParseInteger(std::string_view text);

}  // namespace parlevox
