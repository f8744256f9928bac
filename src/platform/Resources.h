#pragma once
// The resources compiled into the executable (built-in bitmaps and waves),
// found by name and type as the system's resource loader would. Names and
// types compare without case; a numeric resource id n is the name "#n".
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace parlevox {

struct ResourceEntry {
    const char* type;
    const char* name;
    const char* data;
    size_t size;
};

class Resources {
public:
    static constexpr const char* kBitmapType = "BrimBitmap";
    static constexpr const char* kWaveType = "WAVE";

    // The bytes of a resource; nothing when there is no such resource.
    static std::optional<std::string_view> Find(std::string_view name, std::string_view type);
    static std::optional<std::string_view> Find(int id, std::string_view type);
    static std::string IdName(int id) { return "#" + std::to_string(id); }

    // Every compiled-in resource, in the order they were generated.
    static std::span<const ResourceEntry> All();
};

}  // namespace parlevox
