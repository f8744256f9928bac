#include "ui/qt/YourInfoPage.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "settings/OptionsRecord.h"
#include "ui/qt/PreferencesTexts.h"

namespace parlevox {

YourInfoPage::YourInfoPage(PreferencesContext& context, QWidget* parent) : PreferencesPage(context, parent) {
    OptionsRecord& options = Context().options;
    OptionsRecord::YourInfo& info = options.yourInfo;
    QFormLayout* form = AddForm();
    const std::pair<const char*, std::string*> fields[] = {
        {"&Real name:", &info.realName},       {"&Email:", &info.email},
        {"&Age:", &info.age},                  {"Se&x:", &info.sex},
        {"&Location:", &info.location},        {"&Description:", &info.description},
        {"Ta&gline:", &info.tagline},          {"&User name:", &info.userName},
        {"&Quit message:", &info.quitMessage},
    };
    for (const auto& [label, field] : fields) {
        // The user name is a word of the USER line at logon.
        TextCheck check;
        if (field == &info.userName)
            check = [](const std::string& value) {
                return value.empty() || value.find(' ') != std::string::npos ? tr(texts::kBadUserName) : QString();
            };
        texts_.push_back({AddText(form, label, *field, check), field});
    }
    texts_[0].edit->setObjectName("realName");
    texts_[7].edit->setObjectName("userName");
    texts_[8].edit->setObjectName("quitMessage");
    latitude_ = AddDegrees(form, "Lat&itude:", options.latitude, 90);
    longitude_ = AddDegrees(form, "Lo&ngitude:", options.longitude, 180);

    auto* pictures = new QVBoxLayout;
    AddContent(pictures);
    pic1_ = AddSwitch(pictures, "Picture &1 is X-rated", info.pic1XRated);
    pic2_ = AddSwitch(pictures, "Picture &2 is X-rated", info.pic2XRated);
}

// Kept in tenths of a degree.
QDoubleSpinBox* YourInfoPage::AddDegrees(QFormLayout* form, const char* label, double& field, double limit) {
    auto* spin = new QDoubleSpinBox(this);
    spin->setRange(-limit, limit);
    spin->setDecimals(1);
    spin->setSingleStep(0.1);
    form->addRow(tr(label), spin);
    connect(spin, &QDoubleSpinBox::valueChanged, this, [this, &field](double degrees) {
        field = degrees;
        OptionsChanged();
    });
    return spin;
}

void YourInfoPage::Load() {
    for (const TextField& text : texts_) {
        QSignalBlocker block(text.edit);
        text.edit->setText(ToQString(*text.field));
    }
    const OptionsRecord& options = Context().options;
    const QSignalBlocker blocks[] = {QSignalBlocker(latitude_), QSignalBlocker(longitude_), QSignalBlocker(pic1_),
                                     QSignalBlocker(pic2_)};
    latitude_->setValue(options.latitude);
    longitude_->setValue(options.longitude);
    pic1_->setChecked(options.yourInfo.pic1XRated);
    pic2_->setChecked(options.yourInfo.pic2XRated);
    ClearProblem();
}

}  // namespace parlevox
