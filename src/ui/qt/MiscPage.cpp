#include "ui/qt/MiscPage.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/Masks.h"
#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

MiscPage::MiscPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    OptionsRecord& options = Context().options;
    OptionsRecord::Misc& misc = options.misc;
    QFormLayout* form = AddForm();
    doubleClick_ = AddText(form, texts::kDoubleClickCommand, misc.doubleClickCommand);
    doubleClick_->setObjectName("doubleClickCommand");
    doubleClick_->setToolTip(tr("Run when you double-click a nickname; % stands for the nickname."));
    servicesHost_ = AddText(form, texts::kServicesHost, misc.servicesHost, [](const std::string& value) {
        return value.find(' ') == std::string::npos ? QString() : tr("The services host cannot contain spaces.");
    });
    servicesHost_->setObjectName("servicesHost");
    auto completeMask = [](const std::string& value) {
        return IsCompleteMask(value) ? QString() : QString(texts::kBadMask).arg(ToQString(value));
    };
    nickServMask_ = AddText(form, texts::kNickServMask, misc.nickServMask, completeMask);
    nickServMask_->setObjectName("nickServMask");
    chanServMask_ = AddText(form, texts::kChanServMask, misc.chanServMask, completeMask);
    chanServMask_->setObjectName("chanServMask");
    identPort_ = new QSpinBox(this);
    identPort_->setObjectName("identPort");
    identPort_->setRange(1, 65535);
    identPort_->setValue(misc.identPort);
    identPort_->setToolTip(tr("Servers ask port 113. Set another port here if you forward 113 to it; "
                              "the next connection uses it."));
    form->addRow(tr(texts::kIdentPort), identPort_);
    connect(identPort_, &QSpinBox::valueChanged, this, [this](int port) {
        int& field = Context().options.misc.identPort;
        if (field == port) return;
        field = port;
        OptionsChanged();
    });

    auto* behaviour = new QGroupBox(tr("Behaviour"), this);
    auto* behaviourBox = new QVBoxLayout(behaviour);
    AddSwitches(behaviourBox, {{texts::kMuckSupport, &misc.muckSupport},
                               {texts::kHideMotds, &misc.hideMotds},
                               {texts::kShowNotifyPeople, &misc.showNotifyPeople},
                               {texts::kStripColours, &misc.stripColours}});
    AddContent(behaviour);

    auto* display = new QGroupBox(tr("Display"), this);
    auto* displayBox = new QVBoxLayout(display);
    AddSwitches(displayBox, {{texts::kSynthItalics, &misc.synthItalics},
                             {texts::kSmoothScroll, &misc.smoothScroll},
                             {texts::kStopBorderFlicker, &misc.stopBorderFlicker},
                             {texts::kNonMinimisedRed, &misc.nonMinimisedRed}});
    AddContent(display);

    auto* censorship = new QGroupBox(tr("Censorship"), this);
    auto* censorshipBox = new QVBoxLayout(censorship);
    AddSwitches(censorshipBox, {{texts::kShowXRatedPics, &options.censorship.showXRatedPics},
                                {texts::kSkipXRatedChannels, &options.censorship.skipXRatedChannels}});
    AddContent(censorship);
    switches_.front().box->setObjectName("muckSupport");
}

void MiscPage::AddSwitches(QVBoxLayout* box, std::initializer_list<std::pair<const char*, bool*>> switches) {
    for (const auto& [label, field] : switches) switches_.push_back({AddSwitch(box, label, *field), field});
}

void MiscPage::Load() {
    const OptionsRecord::Misc& misc = Context().options.misc;
    {
        QSignalBlocker doubleClickBlock(doubleClick_), servicesBlock(servicesHost_), nickServBlock(nickServMask_),
            chanServBlock(chanServMask_);
        doubleClick_->setText(ToQString(misc.doubleClickCommand));
        servicesHost_->setText(ToQString(misc.servicesHost));
        nickServMask_->setText(ToQString(misc.nickServMask));
        chanServMask_->setText(ToQString(misc.chanServMask));
    }
    {
        QSignalBlocker identBlock(identPort_);
        const bool usable = misc.identPort >= 1 && misc.identPort <= 65535;
        identPort_->setValue(usable ? misc.identPort : OptionsRecord::kDefaultIdentPort);
    }
    for (const Switch& s : switches_) {
        QSignalBlocker block(s.box);
        s.box->setChecked(*s.field);
    }
    ClearProblem();
}

}  // namespace parlevox
