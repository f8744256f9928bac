#include "settings/MajorChannels.h"

#include "common/InternalErrorReport.h"
#include "common/TextError.h"
#include "platform/SafeFile.h"

namespace parlevox {

namespace text = majorchannels_text;

class MajorChannels::Reader {
public:
    Reader(std::string_view bytes, MajorChannels& into) : bytes_(bytes), into_(into) {}

    void ReadIcons() {
        for (;;) {
            if (Remaining() < kIconNameField) throw TextError(text::kIconsCorrupt);
            std::string_view field = Take(kIconNameField);
            std::string name(field.substr(0, field.find('\\')));
            if (name.empty()) return;
            if (Remaining() < kIconBytes) throw TextError(text::kIconsCorrupt);
            into_.icons_.push_back({std::move(name), Image(Take(kIconBytes))});
        }
    }

    void ReadTree() { ReadEntry(into_.root_, 0); }

private:
    size_t Remaining() const { return bytes_.size() - position_; }
    std::string_view Take(size_t count) {
        std::string_view taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }
    char Next() {
        if (Remaining() == 0) throw TextError(text::kReadError);
        return bytes_[position_++];
    }

    static CRawBitmap Image(std::string_view rgb) {
        std::vector<uint8_t> bgr(rgb.begin(), rgb.end());
        for (size_t i = 0; i + 2 < bgr.size(); i += 3) std::swap(bgr[i], bgr[i + 2]);
        return CRawBitmap::TrueColour(kIconSize, kIconSize, bgr);
    }

    // The text up to the terminator, which must come within the window.
    std::string Field(char terminator) {
        std::string_view window = bytes_.substr(position_, kFieldWindow);
        const size_t end = window.find(terminator);
        if (end == std::string_view::npos) {
            if (window.size() < kFieldWindow) throw TextError(text::kReadError);
            throw TextError(text::kEntryTooLong);
        }
        position_ += end + 1;
        return std::string(window.substr(0, end));
    }

    void ReadEntry(ChannelCategory& entry, int depth) {
        if (Next() != '{') throw TextError(text::kTreeCorrupt);
        if (depth > kMaxDepth || ++entries_ > kMaxEntries) throw TextError(text::kTreeCorrupt);
        // Fields are kept only once the entry's head is whole.
        std::string name = Field('\\');
        std::string iconName = Field('\\');
        if (!name.empty() && name[0] == '#') {
            entry.description = Field('}');
            entry.name = std::move(name);
            entry.iconName = std::move(iconName);
            return;
        }
        entry.name = std::move(name);
        entry.iconName = std::move(iconName);
        for (;;) {
            const char c = Next();
            if (c == '}') return;
            if (c != '{') continue;
            --position_;
            // Appended before it is read, so a damaged category keeps the
            // children read before the damage; a child without its head goes.
            ChannelCategory& child = entry.children.emplace_back();
            try {
                ReadEntry(child, depth + 1);
            } catch (const TextError&) {
                if (child.name.empty()) entry.children.pop_back();
                throw;
            }
        }
    }

    std::string_view bytes_;
    size_t position_ = 0;
    size_t entries_ = 0;
    MajorChannels& into_;
};

MajorChannels MajorChannels::Parse(std::string_view bytes) {
    MajorChannels result;
    Reader reader(bytes, result);
    try {
        reader.ReadIcons();
        reader.ReadTree();
    } catch (const TextError& error) {
        result.problem_ = error.what();
    }
    return result;
}

MajorChannels MajorChannels::Read(const std::string& path) {
    std::optional<std::string> bytes = SafeFile::ReadAll(path);
    if (!bytes || bytes->size() > kMaxFileSize) {
        MajorChannels result;
        result.problem_ = text::kReadError;
        return result;
    }
    return Parse(*bytes);
}

const CRawBitmap* MajorChannels::Icon(const std::string& name) const {
    for (const ChannelIcon& icon : icons_)
        if (icon.name == name) return &icon.image;
    if (icons_.empty()) return nullptr;
    PARLEVOX_INTERNAL_ERROR();
    return &icons_.front().image;
}

}  // namespace parlevox
