#include "QtMessageBox.h"

#include "WinConstants.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon IconFor(unsigned nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons ButtonsFor(unsigned nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

int AnswerFor(int button)
{
    switch (button) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
    }
}

}  // namespace

int RunMessageBox(QWidget* pOwner, const std::string& text, const std::string& caption, unsigned nType)
{
    QMessageBox box(IconFor(nType), QString::fromStdString(caption), QString::fromStdString(text), ButtonsFor(nType),
                    pOwner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality((nType & MB_SYSTEMMODAL) != 0u || pOwner == nullptr ? Qt::ApplicationModal : Qt::WindowModal);
    return AnswerFor(box.exec());
}
