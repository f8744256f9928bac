#pragma once
// The one encoding of every list in the settings. A section holds "Count"
// and, for entry i, one value per field named by the index and the field:
//
//   "%08i" + field   "00000003Name"     the standard lists
//   "%03i" + field   "003Reason"        the ignore list, whose sub-lists
//                                       are "003MaskCount", "003Mask%02i"
//   "%i"   + field   "3Name"            the user menus
//   field  + "%i"    "Name4"            fixed lists of the options record,
//                                       counted from 1 and without "Count"
//
// A single-field list uses the bare index (an empty field name). Saving
// writes "Count" first, then every entry from 0 upwards; values of higher
// indexes left by a longer list stay, since "Count" alone decides what is
// read. A strict list stops loading at the first entry whose key (its first
// field) reads back empty and shows its message once; the entries before it
// stay loaded.
//
// An owner describes its list once and uses it both ways:
//
//   const auto friends = SettingsList<FriendEntry>(ListLayout::Counted("Friends"))
//                            .Text("Nickname", &FriendEntry::nickname)
//                            .Text("Mask", &FriendEntry::mask)
//                            .Int("Level", &FriendEntry::level);
//   std::vector<FriendEntry> list = friends.Load(registry);
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/SettingsSection.h"

namespace parlevox {

enum class ListIndex { Padded8, Padded3, Decimal, OneBasedSuffix };

// The value name of a field of entry number position (counted from 0).
std::string ListValueName(ListIndex index, int position, std::string_view field);

struct ListLayout {
    std::string section;
    ListIndex index = ListIndex::Padded8;
    std::string_view strictMessage;  // set for strict lists
    int fixedCount = 0;              // > 0: always this many entries, no "Count"

    static ListLayout Counted(std::string section, ListIndex index = ListIndex::Padded8);
    // A strict list with its section's message.
    static ListLayout Strict(std::string section);
    static ListLayout Fixed(std::string section, int count, ListIndex index);
};

// The parts of the encoding that do not depend on the entry type.
class ListStorage {
public:
    static constexpr std::string_view kCountName = "Count";
    // A damaged "Count" must not make a load run for ever or fill memory.
    static constexpr int kMaxEntries = 65536;

    // The number of entries to read.
    static int ReadCount(const SettingsSection& section, const ListLayout& layout);
    static int ReadSubCount(const SettingsSection& section, const std::string& prefix);
    static void WriteCount(SettingsSection& section, const ListLayout& layout, size_t count);
    // "%02i" after the field: the items of a sub-list.
    static std::string SubItemName(const std::string& prefix, int item);
    static void ShowStrictMessage(const ListLayout& layout);
};

template <typename Entry>
class SettingsList {
public:
    explicit SettingsList(ListLayout layout) : layout_(std::move(layout)) {}

    const ListLayout& Layout() const { return layout_; }

    SettingsList& Text(std::string field, std::string Entry::*member) {
        return Add(std::move(field),
                   [member](Entry& e, const SettingsSection& s, const std::string& n) { e.*member = s.ReadText(n); },
                   [member](const Entry& e, SettingsSection& s, const std::string& n) { s.WriteText(n, e.*member); },
                   [member](const Entry& e) { return (e.*member).empty(); });
    }

    SettingsList& Int(std::string field, int Entry::*member, int defaultValue = 0) {
        return Add(
            std::move(field),
            [=](Entry& e, const SettingsSection& s, const std::string& n) { e.*member = s.ReadInt(n, defaultValue); },
            [=](const Entry& e, SettingsSection& s, const std::string& n) { s.WriteInt(n, e.*member, defaultValue); });
    }

    SettingsList& Bool(std::string field, bool Entry::*member, bool defaultValue = false) {
        return Add(
            std::move(field),
            [=](Entry& e, const SettingsSection& s, const std::string& n) { e.*member = s.ReadBool(n, defaultValue); },
            [=](const Entry& e, SettingsSection& s, const std::string& n) { s.WriteBool(n, e.*member, defaultValue); });
    }

    // A sub-list of texts: "<entry><field>Count" and "<entry><field>%02i".
    SettingsList& TextList(std::string field, std::vector<std::string> Entry::*member) {
        return Add(std::move(field), [member](Entry& e, const SettingsSection& s, const std::string& n) {
            e.*member = ReadItems(s, n);
        }, [member](const Entry& e, SettingsSection& s, const std::string& n) { WriteItems(s, n, e.*member); });
    }

    std::vector<Entry> Load(Registry& registry) const {
        SettingsSection section(registry, layout_.section);
        const int count = ListStorage::ReadCount(section, layout_);
        std::vector<Entry> entries;
        entries.reserve(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            Entry entry {};
            for (const Field& field : fields_) field.read(entry, section, ListValueName(layout_.index, i, field.name));
            if (StopsStrictLoad(entry)) {
                ListStorage::ShowStrictMessage(layout_);
                break;
            }
            entries.push_back(std::move(entry));
        }
        return entries;
    }

    void Save(Registry& registry, const std::vector<Entry>& entries) const {
        SettingsSection section(registry, layout_.section);
        ListStorage::WriteCount(section, layout_, entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            for (const Field& field : fields_)
                field.write(entries[i], section, ListValueName(layout_.index, static_cast<int>(i), field.name));
    }

private:
    using Reader = std::function<void(Entry&, const SettingsSection&, const std::string&)>;
    using Writer = std::function<void(const Entry&, SettingsSection&, const std::string&)>;
    using EmptyTest = std::function<bool(const Entry&)>;
    struct Field {
        std::string name;
        Reader read;
        Writer write;
        EmptyTest empty;  // only text fields can be an empty key
    };

    SettingsList& Add(std::string name, Reader read, Writer write, EmptyTest empty = {}) {
        fields_.push_back({std::move(name), std::move(read), std::move(write), std::move(empty)});
        return *this;
    }

    bool StopsStrictLoad(const Entry& entry) const {
        if (layout_.strictMessage.empty() || fields_.empty() || !fields_.front().empty) return false;
        return fields_.front().empty(entry);
    }

    static std::vector<std::string> ReadItems(const SettingsSection& section, const std::string& prefix) {
        std::vector<std::string> items(static_cast<size_t>(ListStorage::ReadSubCount(section, prefix)));
        for (size_t j = 0; j < items.size(); ++j)
            items[j] = section.ReadText(ListStorage::SubItemName(prefix, static_cast<int>(j)));
        return items;
    }

    static void WriteItems(SettingsSection& section, const std::string& prefix, const std::vector<std::string>& items) {
        section.WriteInt(prefix + std::string(ListStorage::kCountName), static_cast<int>(items.size()));
        for (size_t j = 0; j < items.size(); ++j)
            section.WriteText(ListStorage::SubItemName(prefix, static_cast<int>(j)), items[j]);
    }

    ListLayout layout_;
    std::vector<Field> fields_;
};

// Lists of one text per entry ("%08i", or "%08i" + field as "AllowRun" has).
std::vector<std::string> LoadTextList(Registry& registry, const ListLayout& layout, std::string_view field = {});
void SaveTextList(Registry& registry, const ListLayout& layout, const std::vector<std::string>& items,
                  std::string_view field = {});

}  // namespace parlevox
