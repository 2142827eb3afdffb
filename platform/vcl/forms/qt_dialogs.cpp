#include "vcl/forms/qt_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "vcl/forms/host_paths.h"
#include "vcl/forms/qt_graphics.h"
#include "vcl/forms/qt_text.h"

namespace {

QMessageBox::StandardButton StandardButtonOf(TMsgDlgBtn button) {
    switch (button) {
        case mbYes: return QMessageBox::Yes;
        case mbNo: return QMessageBox::No;
        case mbOK: return QMessageBox::Ok;
        case mbCancel: return QMessageBox::Cancel;
        case mbAbort: return QMessageBox::Abort;
        case mbRetry: return QMessageBox::Retry;
        case mbIgnore: return QMessageBox::Ignore;
        case mbAll: return QMessageBox::NoButton;  // added as a custom button
        case mbNoToAll: return QMessageBox::NoToAll;
        case mbYesToAll: return QMessageBox::YesToAll;
        case mbHelp: return QMessageBox::Help;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
        case mtWarning: return QMessageBox::Warning;
        case mtError: return QMessageBox::Critical;
        case mtInformation: return QMessageBox::Information;
        case mtConfirmation: return QMessageBox::Question;
        case mtCustom: return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QStringList ToQtNameFilters(const std::string& filter) {
    QStringList filters;
    const QStringList parts = ToQString(filter).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    }
    return filters;
}

TModalResult TQtDialogs::ShowMessageQuestion(const TMessageQuestion& question) {
    QMessageBox box(IconOf(question.DlgType), ToQString(question.Caption), ToQString(question.Text));
    std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> buttons;
    for (int b = mbYes; b <= mbHelp; ++b) {
        const auto button = static_cast<TMsgDlgBtn>(b);
        if (!question.Buttons.Contains(button)) continue;
        QAbstractButton* added = button == mbAll ? box.addButton("All", QMessageBox::AcceptRole)
                                                 : box.addButton(StandardButtonOf(button));
        buttons.emplace_back(added, button);
    }
    box.exec();
    for (const auto& [widget, button] : buttons) {
        if (box.clickedButton() == widget) return ModalResultOf(button);
    }
    return mrCancel;
}

bool TQtDialogs::AskInput(const TInputQuestion& question, std::string& value) {
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, ToQString(question.Caption), ToQString(question.Prompt),
                                               QLineEdit::Normal, ToQString(question.Value), &ok);
    if (ok) value = FromQString(text);
    return ok;
}

bool TQtDialogs::ChooseFile(const TFileQuestion& question, TFileAnswer& answer) {
    QFileDialog dialog(nullptr, ToQString(question.Title));
    dialog.setAcceptMode(question.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(question.Options.Contains(ofFileMustExist) ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!question.Options.Contains(ofOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = ToQtNameFilters(question.Filter);
    dialog.setNameFilters(filters);
    if (question.FilterIndex >= 1 && question.FilterIndex <= filters.size()) {
        dialog.selectNameFilter(filters[question.FilterIndex - 1]);
    }
    const std::string initialDir = HostPathOfWindows(question.InitialDir);
    if (!initialDir.empty()) dialog.setDirectory(QString::fromStdString(initialDir));
    if (!question.FileName.empty()) {
        const std::string hostName = HostPathOfWindows(question.FileName);
        dialog.selectFile(hostName.empty() ? ToQString(question.FileName) : QString::fromStdString(hostName));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    answer.FileName = WindowsPathOfHost(dialog.selectedFiles().front().toStdString());
    answer.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (answer.FilterIndex < 1) answer.FilterIndex = 1;
    return true;
}

bool TQtDialogs::ChooseFont(TFont& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font));
    if (ok) AssignQFont(chosen, font);
    return ok;
}

bool TQtDialogs::ChooseColor(TColor& color) {
    const QColor chosen = QColorDialog::getColor(ToQColor(color));
    if (!chosen.isValid()) return false;
    color = FromQColor(chosen);
    return true;
}
