#include "QtUi.h"

#include "FileFilter.h"
#include "dialogs/ItemsDialog.h"
#include "dialogs/NewProjectDialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <iterator>

namespace ornadeck::app {

namespace {

QMessageBox::Icon iconOf(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Warning:
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton buttonOf(Answer a) {
    switch (a) {
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Ok:
        break;
    }
    return QMessageBox::Ok;
}

} // namespace

QString toQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path toPath(const QString& text) { return text.toStdString(); }

Answer QtUi::ask(const Message& message) {
    if (script_) return script_->ask(message);
    QMessageBox box(iconOf(message.icon), QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), QMessageBox::NoButton, parent_);
    switch (message.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(buttonOf(message.defaultAnswer));
    const QMessageBox::StandardButton order[] = {QMessageBox::Yes, QMessageBox::No,
                                                 QMessageBox::Cancel};
    for (std::size_t i = 0; i < message.buttonTexts.size(); ++i) {
        QAbstractButton* button = message.buttons == MessageButtons::Ok
                                      ? box.button(QMessageBox::Ok)
                                  : i < std::size(order) ? box.button(order[i])
                                                         : nullptr;
        if (button) button->setText(QString::fromStdString(message.buttonTexts[i]));
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    // The close box of a question counts as its safest answer.
    if (message.buttons == MessageButtons::YesNoCancel) return Answer::Cancel;
    if (message.buttons == MessageButtons::YesNo) return Answer::No;
    return Answer::Ok;
}

bool QtUi::editItems(std::vector<std::string>& items) {
    if (script_) return script_->editItems(items);
    return ItemsDialog::edit(parent_, items);
}

std::optional<std::filesystem::path> QtUi::chooseOpenFile(const std::string& caption,
                                                          const std::string& filter,
                                                          const std::string& defaultExtension) {
    if (script_) return script_->chooseOpenFile(caption, filter, defaultExtension);
    const FileFilter f = translateFilter(QString::fromStdString(filter));
    QFileDialog dialog(parent_, QString::fromStdString(caption), QString(), f.qtFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(f.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return toPath(dialog.selectedFiles().first());
}

std::optional<std::filesystem::path> QtUi::chooseSaveFile(const std::string& caption,
                                                          const std::string& filter,
                                                          const std::filesystem::path& suggested) {
    if (script_) return script_->chooseSaveFile(caption, filter, suggested);
    const FileFilter f = translateFilter(QString::fromStdString(filter));
    QFileDialog dialog(parent_, QString::fromStdString(caption), QString(), f.qtFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(f.defaultSuffix);
    // The core asks before replacing, with its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!suggested.empty()) dialog.selectFile(toQString(suggested));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return toPath(dialog.selectedFiles().first());
}

std::optional<Library> QtUi::chooseLibrary(Library proposed) {
    if (script_) return script_->chooseLibrary(proposed);
    return NewProjectDialog::choose(parent_, proposed);
}

} // namespace ornadeck::app
