#include "settings/SettingsList.h"

#include <algorithm>

#include <fmt/format.h>

#include "platform/UserInterface.h"
#include "settings/StrictListMessages.h"

namespace parlevox {
namespace {

int ClampCount(int count) {
    return std::clamp(count, 0, ListStorage::kMaxEntries);
}

struct TextItem {
    std::string text;
};

SettingsList<TextItem> TextListFor(const ListLayout& layout, std::string_view field) {
    return SettingsList<TextItem>(layout).Text(std::string(field), &TextItem::text);
}

}  // namespace

std::string ListValueName(ListIndex index, int position, std::string_view field) {
    switch (index) {
    case ListIndex::Padded8:
        return fmt::format("{:08}{}", position, field);
    case ListIndex::Padded3:
        return fmt::format("{:03}{}", position, field);
    case ListIndex::Decimal:
        return fmt::format("{}{}", position, field);
    case ListIndex::OneBasedSuffix:
        return fmt::format("{}{}", field, position + 1);
    }
    return std::string(field);
}

ListLayout ListLayout::Counted(std::string section, ListIndex index) {
    return ListLayout {std::move(section), index, {}, 0};
}

ListLayout ListLayout::Strict(std::string section) {
    std::string_view message = StrictListMessageFor(section);
    return ListLayout {std::move(section), ListIndex::Padded8, message, 0};
}

ListLayout ListLayout::Fixed(std::string section, int count, ListIndex index) {
    return ListLayout {std::move(section), index, {}, ClampCount(count)};
}

int ListStorage::ReadCount(const SettingsSection& section, const ListLayout& layout) {
    if (layout.fixedCount > 0) return layout.fixedCount;
    return ClampCount(section.ReadInt(kCountName, 0));
}

int ListStorage::ReadSubCount(const SettingsSection& section, const std::string& prefix) {
    return ClampCount(section.ReadInt(prefix + std::string(kCountName), 0));
}

void ListStorage::WriteCount(SettingsSection& section, const ListLayout& layout, size_t count) {
    if (layout.fixedCount == 0) section.WriteInt(kCountName, static_cast<int>(count));
}

std::string ListStorage::SubItemName(const std::string& prefix, int item) {
    return fmt::format("{}{:02}", prefix, item);
}

void ListStorage::ShowStrictMessage(const ListLayout& layout) {
    MessageBoxRequest box;
    box.title = "Parlevox";
    box.text = std::string(layout.strictMessage);
    box.icon = MessageIcon::Exclamation;
    box.buttons = MessageButtons::Ok;
    // Lists load deep inside the options record's load, which has no user
    // interface of its own to hand down; the application sets this one.
    UserInterface::Current().ShowMessageBox(box);
}

std::vector<std::string> LoadTextList(Registry& registry, const ListLayout& layout, std::string_view field) {
    std::vector<std::string> items;
    for (TextItem& item : TextListFor(layout, field).Load(registry)) items.push_back(std::move(item.text));
    return items;
}

void SaveTextList(Registry& registry, const ListLayout& layout, const std::vector<std::string>& items,
                  std::string_view field) {
    std::vector<TextItem> entries;
    entries.reserve(items.size());
    for (const std::string& text : items) entries.push_back({text});
    TextListFor(layout, field).Save(registry, entries);
}

}  // namespace parlevox
