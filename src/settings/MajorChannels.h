#pragma once
// "MajorChannels.dat": the icon table and the tree of channel categories
// and well-known channels that the join window offers. Read with every
// length checked: a damaged file keeps what was read before the damage and
// says why in the file's own words.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "display/RawBitmap.h"

namespace parlevox {

namespace majorchannels_text {
inline constexpr const char* kFileName = "MajorChannels.dat";
inline constexpr const char* kErrorTitle = "Channel category error";
inline constexpr const char* kIconsCorrupt =
    "There was a problem when trying to load icons from the Major Channels file; most likely the file is corrupted "
    "and should be re-installed.";
inline constexpr const char* kTreeCorrupt = "Category file corrupted; re-install it.";
inline constexpr const char* kEntryTooLong = "A category file entry is too long: the file must be corrupt, re-install it.";
inline constexpr const char* kReadError = "Error reading category file";
}  // namespace majorchannels_text

struct ChannelCategory {
    std::string name;  // a channel's begins with "#"
    std::string iconName;
    std::string description;  // channels only
    std::vector<ChannelCategory> children;

    bool IsChannel() const { return !name.empty() && name[0] == '#'; }
};

struct ChannelIcon {
    std::string name;
    CRawBitmap image;  // 48 x 48, true colour
};

class MajorChannels {
public:
    static constexpr size_t kIconNameField = 40;
    static constexpr int kIconSize = 48;
    static constexpr size_t kIconBytes = kIconSize * kIconSize * 3;
    // A text field's terminator must come within this many bytes.
    static constexpr size_t kFieldWindow = 256;
    // Deeper trees are damaged files; the cap keeps the reader's stack small.
    static constexpr int kMaxDepth = 32;
    static constexpr size_t kMaxEntries = 200000;
    static constexpr size_t kMaxFileSize = 64u << 20;

    // Reads the bytes; on damage, problem() holds the message and the
    // table and tree keep what was read.
    static MajorChannels Parse(std::string_view bytes);
    static MajorChannels Read(const std::string& path);

    const std::vector<ChannelIcon>& Icons() const { return icons_; }
    // The root ("MAIN" in the shipped file); empty name when none was read.
    const ChannelCategory& Root() const { return root_; }
    const std::optional<std::string>& Problem() const { return problem_; }
    // The named icon; a name the table lacks is an internal error and gives
    // the first icon. Null only when the table is empty.
    const CRawBitmap* Icon(const std::string& name) const;

private:
    class Reader;

    std::vector<ChannelIcon> icons_;
    ChannelCategory root_;
    std::optional<std::string> problem_;
};

}  // namespace parlevox
