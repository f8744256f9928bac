#include "ui/qt/QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>

#include "ui/qt/ChoiceDialog.h"
#include "ui/qt/QtText.h"

namespace parlevox {
namespace {

QMessageBox::Icon IconFor(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::Stop: return QMessageBox::Critical;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return QMessageBox::Ok;
        case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoDefaultNo: return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButton(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel: return QMessageBox::Yes;
        case MessageButtons::YesNoDefaultNo: return QMessageBox::No;
        case MessageButtons::Ok:
        case MessageButtons::OkCancel: break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton DefaultButton(const MessageBoxRequest& request) {
    switch (ButtonAt(request.buttons, request.defaultButton).value_or(MessageResult::Ok)) {
        case MessageResult::Yes: return QMessageBox::Yes;
        case MessageResult::No: return QMessageBox::No;
        case MessageResult::Cancel: return QMessageBox::Cancel;
        case MessageResult::Ok: break;
    }
    return DefaultButton(request.buttons);
}

}  // namespace

std::unique_ptr<QMessageBox> QtUserInterface::MakeBox(const MessageBoxRequest& request, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(IconFor(request.icon), ToQString(request.title),
                                             ToQString(request.text), ButtonsFor(request.buttons), parent);
    // The text is the core's own, never markup.
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(DefaultButton(request));
    if (request.buttons == MessageButtons::OkCancel || request.buttons == MessageButtons::YesNoCancel)
        box->setEscapeButton(QMessageBox::Cancel);
    else if (request.buttons == MessageButtons::Ok)
        box->setEscapeButton(QMessageBox::Ok);
    return box;
}

MessageResult QtUserInterface::ResultFor(int pressed, MessageButtons buttons) {
    switch (pressed) {
        case QMessageBox::Ok: return MessageResult::Ok;
        case QMessageBox::Yes: return MessageResult::Yes;
        case QMessageBox::No: return MessageResult::No;
        case QMessageBox::Cancel: return MessageResult::Cancel;
        default: break;
    }
    switch (buttons) {
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel: return MessageResult::Cancel;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoDefaultNo: return MessageResult::No;
        case MessageButtons::Ok: break;
    }
    return MessageResult::Ok;
}

MessageResult QtUserInterface::ShowMessageBox(const MessageBoxRequest& request) {
    const std::unique_ptr<QMessageBox> box = MakeBox(request, QApplication::activeWindow());
    return ResultFor(box->exec(), request.buttons);
}

std::optional<std::string> QtUserInterface::PromptText(const std::string& prompt, const std::string& title,
                                                       const std::string& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), ToQString(title), ToQString(prompt),
                                               QLineEdit::Normal, ToQString(initial), &ok);
    if (!ok) return std::nullopt;
    return ToBytes(text);
}

QString QtUserInterface::QtFilter(const std::string& filter) {
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty()) break;
        // Qt reads the patterns from the last brackets: the description's
        // own are replaced by the pattern field's.
        if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('(')))
            description.truncate(description.lastIndexOf(QLatin1Char('(')));
        QString pattern = patterns;
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(description.trimmed(), pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

std::string QtUserInterface::WithExtension(const std::string& path, const std::string& extension) {
    const std::string_view bare = std::string_view(extension).substr(extension.starts_with('.') ? 1 : 0);
    if (bare.empty() || path.empty() || path.back() == '/') return path;
    const size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 is 0
    if (path.find('.', nameStart) != std::string::npos) return path;
    return path + "." + std::string(bare);
}

std::optional<std::string> QtUserInterface::ChooseSaveFile(const std::string& title, const std::string& filter,
                                                           const std::string& defaultExtension,
                                                           const std::string& proposedPath) {
    const QString chosen = QFileDialog::getSaveFileName(QApplication::activeWindow(), ToQString(title),
                                                        QFile::decodeName(proposedPath.c_str()), QtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return WithExtension(QFile::encodeName(chosen).toStdString(), defaultExtension);
}

std::optional<std::string> QtUserInterface::ChooseOpenFile(const std::string& title, const std::string& filter) {
    const QString chosen =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), ToQString(title), QString(), QtFilter(filter));
    if (chosen.isEmpty()) return std::nullopt;
    return QFile::encodeName(chosen).toStdString();
}

std::optional<int> QtUserInterface::ChooseOption(const ChoiceRequest& request) {
    ChoiceDialog dialog(request, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted || dialog.Chosen() < 0) return std::nullopt;
    return dialog.Chosen();
}

ClipboardResult QtUserInterface::SetClipboardText(const std::string& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return ClipboardResult::CannotOpen;
    clipboard->setText(ToQString(text));
    return ClipboardResult::Done;
}

}  // namespace parlevox
