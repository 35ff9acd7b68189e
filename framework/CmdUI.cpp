#include "CmdUI.h"

#include "CmdTarget.h"
#include "Menu.h"

void CCmdUI::Enable(bool bOn)
{
    if (m_pMenu != nullptr)
        m_pMenu->EnableMenuItem(m_nIndex, bOn);
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
        m_pMenu->CheckMenuItem(m_nIndex, nCheck != 0);
}

void CCmdUI::SetText(const std::string& text)
{
    if (m_pMenu != nullptr)
        m_pMenu->SetMenuItemText(m_nIndex, text);
}

void CCmdUI::DoUpdate(CCmdTarget* pTarget, bool bDisableIfNoHandler)
{
    if (m_nID == 0 || m_nID >= 0xF000)
        return;  // separators and system commands are left alone
    if (pTarget->OnCmdMsg(m_nID, CmdMsg::UpdateUI, this))
        return;  // its update handler decided
    if (bDisableIfNoHandler)
        Enable(pTarget->OnCmdMsg(m_nID, CmdMsg::QueryHandler, nullptr));
}
