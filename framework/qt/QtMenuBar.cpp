#include "QtMenuBar.h"

#include "FrameWnd.h"
#include "Menu.h"
#include "WindowHandle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// Removed actions are deleted later: the one being triggered may be among them.
void ClearLater(QWidget& widget)
{
    const QList<QAction*> actions = widget.actions();
    for (QAction* pAction : actions) {
        widget.removeAction(pAction);
        if (QMenu* pSubMenu = pAction->menu())
            pSubMenu->deleteLater();
        if (pAction->parent() == &widget)
            pAction->deleteLater();
    }
}

}  // namespace

CQtMenuBar::CQtMenuBar(QMenuBar& bar, WindowHandle& frame, CMenu& menu) : m_bar(bar), m_frame(frame), m_menu(menu)
{
    Rebuild();
}

void CQtMenuBar::Rebuild()
{
    ClearLater(m_bar);
    for (unsigned nPos = 0; nPos < m_menu.GetMenuItemCount(); ++nPos) {
        const CMenu::Item& item = m_menu.GetItem(nPos);
        if (item.bSeparator)
            continue;
        if (item.pPopup) {
            QMenu* pMenu = m_bar.addMenu(Text(item.text));
            CMenu* pPopup = item.pPopup.get();
            QObject::connect(pMenu, &QMenu::aboutToShow, pMenu, [this, pMenu, pPopup] { OnAboutToShow(*pMenu, *pPopup); });
            Fill(*pMenu, *pPopup);
            continue;
        }
        QAction* pAction = m_bar.addAction(Text(item.text));
        pAction->setEnabled(!item.bGrayed);
        const unsigned nID = item.nID;
        QObject::connect(pAction, &QAction::triggered, pAction, [this, nID] { OnChosen(nID); });
    }
}

void CQtMenuBar::Fill(QMenu& qmenu, CMenu& menu)
{
    ClearLater(qmenu);
    for (unsigned nPos = 0; nPos < menu.GetMenuItemCount(); ++nPos) {
        const CMenu::Item& item = menu.GetItem(nPos);
        if (item.bSeparator) {
            qmenu.addSeparator();
            continue;
        }
        if (item.pPopup) {
            QMenu* pSubMenu = qmenu.addMenu(Text(item.text));
            pSubMenu->setEnabled(!item.bGrayed);
            CMenu* pPopup = item.pPopup.get();
            QObject::connect(pSubMenu, &QMenu::aboutToShow, pSubMenu,
                             [this, pSubMenu, pPopup] { OnAboutToShow(*pSubMenu, *pPopup); });
            Fill(*pSubMenu, *pPopup);
            continue;
        }
        QAction* pAction = qmenu.addAction(Text(item.text));
        pAction->setEnabled(!item.bGrayed);
        if (item.bChecked) {
            pAction->setCheckable(true);
            pAction->setChecked(true);
        }
        const unsigned nID = item.nID;
        QObject::connect(pAction, &QAction::triggered, pAction, [this, nID] { OnChosen(nID); });
    }
}

void CQtMenuBar::OnAboutToShow(QMenu& qmenu, CMenu& menu)
{
    auto* pFrame = dynamic_cast<CFrameWnd*>(m_frame.Owner());
    if (pFrame == nullptr)
        return;
    CallFramework([&] { pFrame->OnInitMenuPopup(&menu); });
    Fill(qmenu, menu);
}

void CQtMenuBar::OnChosen(unsigned nID)
{
    if (CWnd* pOwner = m_frame.Owner())
        CallFramework([&] { pOwner->OnCommand(nID); });
}
