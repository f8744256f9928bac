#pragma once
// The scheme editor's Usage page: for channels, private chats, the other
// windows and servers, either every one or the names typed (separated by
// spaces).
#include <QWidget>
#include <array>

class QLineEdit;
class QRadioButton;

namespace parlevox {

class CSchemeEditor;
struct UsageListText;

class SchemeUsagePage final : public QWidget {
    Q_OBJECT

public:
    enum List { kChannels, kPrivateChats, kBuiltInWindows, kServers };

    explicit SchemeUsagePage(CSchemeEditor& editor, QWidget* parent = nullptr);

    void Load();

private:
    struct ListFields {
        QRadioButton* all;
        QRadioButton* only;
        QLineEdit* names;
    };

    QWidget* MakeList(List list, const char* title, const char* all, const char* only);
    void Edited();
    UsageListText Text(List list) const;

    CSchemeEditor& editor_;
    std::array<ListFields, 4> lists_{};
};

}  // namespace parlevox
