#include "platform/Resources.h"

#include "common/TextHelpers.h"

namespace parlevox {

// Made at build time from the art and sound generators under data/.
extern const ResourceEntry kBuiltInResources[];
extern const size_t kBuiltInResourceCount;

std::span<const ResourceEntry> Resources::All() {
    return {kBuiltInResources, kBuiltInResourceCount};
}

std::optional<std::string_view> Resources::Find(std::string_view name, std::string_view type) {
    for (const ResourceEntry& entry : All())
        if (EqualsIgnoringCase(entry.name, name) && EqualsIgnoringCase(entry.type, type))
            return std::string_view(entry.data, entry.size);
    return std::nullopt;
}

std::optional<std::string_view> Resources::Find(int id, std::string_view type) {
    return Find(IdName(id), type);
}

}  // namespace parlevox
