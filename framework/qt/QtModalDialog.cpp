#include "QtModalDialog.h"

#include "QtFontMapping.h"
#include "QtIcon.h"
#include "ResourceSet.h"
#include "WinConstants.h"
#include "Wnd.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

// The system's icon size for an icon control.
constexpr int kIconSize = 32;

// A static text without SS_NOPREFIX shows "&&" as '&' and drops the single '&' before an
// access key; a label has no key to give the focus to.
QString StaticText(const std::string& text, std::uint32_t style)
{
    const QString raw = QString::fromStdString(text);
    if ((style & SS_NOPREFIX) != 0u)
        return raw;
    QString shown;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'&' && i + 1 < raw.size())
            ++i;
        shown += raw[i];
    }
    return shown;
}

}  // namespace

CQtModalDialog::CQtModalDialog(CWnd* pOwner, const DialogTemplate& dialogTemplate, QWidget* pOwnerWidget)
    : QDialog(pOwnerWidget, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      WindowHandle(pOwner)
{
    setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    if ((dialogTemplate.style & DS_SETFONT) != 0u && !dialogTemplate.fontFace.empty())
        setFont(DialogFont(dialogTemplate.fontFace, dialogTemplate.fontPointSize));
    m_baseUnits = DialogBaseUnits(font());
    setFixedSize(ToPixels(0, 0, dialogTemplate.cx, dialogTemplate.cy).size());
    AddControls(dialogTemplate);
}

QRect CQtModalDialog::ToPixels(int x, int y, int cx, int cy) const
{
    const int bx = m_baseUnits.width();
    const int by = m_baseUnits.height();
    return {(x * bx + 2) / 4, (y * by + 4) / 8, (cx * bx + 2) / 4, (cy * by + 4) / 8};
}

void CQtModalDialog::AddControls(const DialogTemplate& dialogTemplate)
{
    QWidget* pFirstFocus = nullptr;
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        const QRect place = ToPixels(item.x, item.y, item.cx, item.cy);
        QWidget* pControl = nullptr;
        if (item.itemClass == DialogItemClass::Static && (item.style & SS_TYPEMASK) == SS_ICON) {
            auto* pLabel = new QLabel(this);
            const IconGroup* pIcon = AfxGetResourceSet() != nullptr ? AfxGetResourceSet()->FindIconGroup(item.iconId) : nullptr;
            if (pIcon != nullptr)
                pLabel->setPixmap(IconFromGroup(*pIcon).pixmap(kIconSize, kIconSize));
            // The control takes the icon's own size.
            pLabel->setGeometry(QRect(place.topLeft(), QSize(kIconSize, kIconSize)));
            pControl = pLabel;
        } else if (item.itemClass == DialogItemClass::Static) {
            auto* pLabel = new QLabel(StaticText(item.text, item.style), this);
            pLabel->setTextFormat(Qt::PlainText);
            pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            // A left-aligned static breaks its text between words; what does not fit is cut.
            pLabel->setWordWrap((item.style & SS_TYPEMASK) == SS_LEFT);
            pLabel->setGeometry(place);
            pControl = pLabel;
        } else if (item.itemClass == DialogItemClass::Button) {
            auto* pButton = new QPushButton(QString::fromStdString(item.text), this);
            pButton->setGeometry(place);
            pButton->setAutoDefault(true);
            pButton->setDefault((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
            const int nID = item.id;
            connect(pButton, &QPushButton::clicked, this, [this, nID] { SendCommand(nID); });
            if (pFirstFocus == nullptr && (item.style & WS_DISABLED) == 0u)
                pFirstFocus = pButton;
            pControl = pButton;
        }
        if (pControl != nullptr && (item.style & WS_DISABLED) != 0u)
            pControl->setEnabled(false);
    }
    if (pFirstFocus != nullptr)
        pFirstFocus->setFocus();
}

int CQtModalDialog::Run()
{
    CenterOverOwner();
    exec();
    return m_nResult.value_or(IDCANCEL);
}

void CQtModalDialog::End(int nResult)
{
    m_nResult = nResult;
    done(nResult);
}

void CQtModalDialog::reject()
{
    SendCommand(IDCANCEL);
}

void CQtModalDialog::SendCommand(int nID)
{
    if (CWnd* pDialog = Owner())
        CallFramework([&] { pDialog->OnCommand(static_cast<unsigned>(nID)); });
}

void CQtModalDialog::CenterOverOwner()
{
    const QWidget* pOwner = parentWidget();
    QRect over;
    if (pOwner != nullptr && pOwner->isVisible())
        over = pOwner->frameGeometry();
    else if (const QScreen* pScreen = screen())
        over = pScreen->availableGeometry();
    if (over.isValid())
        move(over.center() - QPoint(width() / 2, height() / 2));
}
