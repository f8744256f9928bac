#pragma once
// The file name of an offer, as the sender gave it: cut to its last part,
// then checked. Device names mark a hostile sender; other bad names are
// dropped quietly.
#include <string>
#include <string_view>

namespace parlevox {

// The part after the last "/", then after the last "\".
std::string CutOfferName(std::string_view name);
// CON, PRN, AUX, LPT, LPT1, LPT2, COM, COM1-COM4 in any case, whole name.
bool IsDeviceName(std::string_view name);
// Not empty, ".", "..", a name starting with a dot, holding a byte below
// 32 or longer than 255 bytes.
bool IsSafeFileName(std::string_view name);

}  // namespace parlevox
