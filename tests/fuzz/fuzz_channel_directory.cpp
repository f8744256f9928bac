// The two shipped directory files, read from hostile bytes: the category
// file's tree never holds more entries than the bytes could spell, and a
// server entry's parts always come from one line of the text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/InternalErrorReport.h"
#include "settings/MajorChannels.h"
#include "settings/ServerList.h"
#include "FuzzFail.h"

namespace {

size_t Entries(const parlevox::ChannelCategory& node) {
    size_t count = 1;
    for (const parlevox::ChannelCategory& child : node.children) count += Entries(child);
    return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    parlevox::SetInternalErrorSink([](const parlevox::MessageBoxRequest&) {});
    const parlevox::MajorChannels channels = parlevox::MajorChannels::Parse(bytes);
    // Every entry costs at least "{\\\\" and an icon record 40 bytes.
    if (Entries(channels.Root()) > size / 3 + 1) parlevox::FuzzFail("fuzz_channel_directory", "entries from nothing");
    if (channels.Icons().size() * parlevox::MajorChannels::kIconNameField > size)
        parlevox::FuzzFail("fuzz_channel_directory", "icons from nothing");
    for (const parlevox::ServerListEntry& entry : parlevox::ServerList::Parse(bytes)) {
        if (entry.description.find('/') != std::string::npos || entry.host.find_first_of(":\n") != std::string::npos)
            parlevox::FuzzFail("fuzz_channel_directory", "a server entry split wrongly");
    }
    return 0;
}
