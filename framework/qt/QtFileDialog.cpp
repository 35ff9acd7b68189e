#include "QtFileDialog.h"

#include <QFile>
#include <QFileDialog>

bool RunFileDialog(QWidget* pOwner, const IWindowSystem::FileDialogParams& params, std::string& path)
{
    QFileDialog dialog(pOwner, QString::fromStdString(params.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The filter shows its own name, but its "*.*" would leave out names without a dot: the
    // pattern that does the matching is "*", kept out of sight behind the name.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(QString::fromStdString(params.filterName) + QStringLiteral(" (*)"));
    dialog.setAcceptMode(params.bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(params.bOpen && params.bFileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !params.bPromptOverwrite);
    if (!params.initialName.empty())
        dialog.selectFile(QFile::decodeName(params.initialName.c_str()));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return false;
    path = QFile::encodeName(chosen.front()).toStdString();
    return true;
}
