#pragma once
// The first run's "Initial configuration" wizard: welcome, the nickname,
// the continent of the servers, the choice to stop or go on, and the
// registered nicknames and channels. Its widgets carry object names
// ("nickname", "america", "europe", "otherNetwork", "networks", "done", "details", "nick1".."nick3",
// "password1".."password3", "channel", "channelPassword", "add",
// "channels") for tests and accessibility tools.
#include <QWizard>
#include <optional>

#include "ui/FirstRun.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace parlevox {

class InitialConfigurationWizard : public QWizard, public FirstRunWizard {
    Q_OBJECT

public:
    enum PageId { kWelcomePage, kNicknamePage, kServersPage, kCompletePage, kDetailsPage };

    // `directory`: the server directory's entries; its servers are offered
    // beside the two continents (none: the continents alone).
    explicit InitialConfigurationWizard(QWidget* parent = nullptr, std::vector<ServerListEntry> directory = {});

    // Fills the pages and starts again from the first.
    void Fill(const InitialConfiguration& start);
    // What the pages hold now.
    InitialConfiguration Entered() const;
    // Shows the wizard modally.
    std::optional<InitialConfiguration> Run(const InitialConfiguration& start) override;

private:
    class CompletePage;
    class DetailsPage;
    QWizardPage* MakeWelcomePage();
    QWizardPage* MakeNicknamePage();
    QWizardPage* MakeServersPage();
    void AddChannel();

    QLineEdit* nickname_ = nullptr;
    QRadioButton* america_ = nullptr;
    QRadioButton* europe_ = nullptr;
    QRadioButton* otherNetwork_ = nullptr;
    QComboBox* networks_ = nullptr;
    std::vector<ServerListEntry> directory_;  // the servers that can fill a slot
    QRadioButton* done_ = nullptr;
    QRadioButton* details_ = nullptr;
    QLineEdit* detailNicks_[kNicknameSlots] = {};
    QLineEdit* detailPasswords_[kNicknameSlots] = {};
    QLineEdit* channel_ = nullptr;
    QLineEdit* channelPassword_ = nullptr;
    QListWidget* channelList_ = nullptr;
    std::vector<InitialConfiguration::Channel> channels_;
};

}  // namespace parlevox
