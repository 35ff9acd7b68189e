#include "Menu.h"

#include "ResourceSet.h"
#include "WinConstants.h"

bool CMenu::LoadMenu(unsigned nIDResource)
{
    const CResourceSet* pResources = AfxGetResourceSet();
    const MenuTemplate* pTemplate = pResources != nullptr ? pResources->FindMenu(nIDResource) : nullptr;
    if (pTemplate == nullptr)
        return false;
    LoadTemplate(*pTemplate);
    return true;
}

namespace {

void AppendItems(CMenu& menu, const std::vector<MenuItemTemplate>& items)
{
    for (const MenuItemTemplate& item : items) {
        switch (item.kind) {
        case MenuItemKind::Separator:
            menu.AppendSeparator();
            break;
        case MenuItemKind::Popup: {
            auto pPopup = std::make_unique<CMenu>();
            AppendItems(*pPopup, item.items);
            menu.AppendPopup(item.text, std::move(pPopup));
            break;
        }
        case MenuItemKind::Command:
            menu.AppendMenu(item.id, item.text);
            if ((item.flags & (MF_GRAYED | MF_DISABLED)) != 0u)
                menu.EnableMenuItem(menu.GetMenuItemCount() - 1, false);
            if ((item.flags & MF_CHECKED) != 0u)
                menu.CheckMenuItem(menu.GetMenuItemCount() - 1, true);
            break;
        }
    }
}

}  // namespace

void CMenu::LoadTemplate(const MenuTemplate& menuTemplate)
{
    m_items.clear();
    AppendItems(*this, menuTemplate.items);
}

unsigned CMenu::GetMenuItemID(unsigned nPos) const
{
    return nPos < m_items.size() ? m_items[nPos].nID : 0;
}

std::string CMenu::GetMenuString(unsigned nPos) const
{
    return nPos < m_items.size() ? m_items[nPos].text : std::string();
}

CMenu* CMenu::GetSubMenu(unsigned nPos) const
{
    return nPos < m_items.size() ? m_items[nPos].pPopup.get() : nullptr;
}

int CMenu::FindCommand(unsigned nID) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (!m_items[i].bSeparator && !m_items[i].pPopup && m_items[i].nID == nID)
            return static_cast<int>(i);
    }
    return -1;
}

void CMenu::AppendMenu(unsigned nID, const std::string& text)
{
    Item item;
    item.nID = nID;
    item.text = text;
    m_items.push_back(std::move(item));
}

void CMenu::AppendSeparator()
{
    Item item;
    item.bSeparator = true;
    m_items.push_back(std::move(item));
}

void CMenu::AppendPopup(const std::string& text, std::unique_ptr<CMenu> pPopup)
{
    Item item;
    item.nID = kPopupId;
    item.text = text;
    item.pPopup = std::move(pPopup);
    m_items.push_back(std::move(item));
}

bool CMenu::InsertMenu(unsigned nPos, unsigned nID, const std::string& text)
{
    if (nPos > m_items.size())
        return false;
    Item item;
    item.nID = nID;
    item.text = text;
    m_items.insert(m_items.begin() + nPos, std::move(item));
    return true;
}

bool CMenu::RemoveMenuCommand(unsigned nID)
{
    const int nPos = FindCommand(nID);
    if (nPos < 0)
        return false;
    m_items.erase(m_items.begin() + nPos);
    return true;
}

void CMenu::EnableMenuItem(unsigned nPos, bool bEnable)
{
    if (nPos < m_items.size())
        m_items[nPos].bGrayed = !bEnable;
}

void CMenu::CheckMenuItem(unsigned nPos, bool bCheck)
{
    if (nPos < m_items.size())
        m_items[nPos].bChecked = bCheck;
}

void CMenu::SetMenuItemText(unsigned nPos, const std::string& text)
{
    if (nPos < m_items.size())
        m_items[nPos].text = text;
}
