#pragma once

#include <memory>
#include <string>
#include <vector>

struct MenuTemplate;

// A menu as the framework keeps it: items with their command ids, texts ('&' marks the access
// key, a tab separates the shortcut text) and states, popups holding further menus. The
// window system shows it and asks the frame to update a popup each time it opens.
class CMenu {
public:
    static constexpr unsigned kPopupId = 0xFFFFFFFFu;

    struct Item {
        unsigned nID = 0;             // 0 for a separator, kPopupId for a popup
        std::string text;
        bool bSeparator = false;
        bool bGrayed = false;
        bool bChecked = false;
        std::unique_ptr<CMenu> pPopup;
    };

    // Builds the menu from a menu template; false when there is none.
    bool LoadMenu(unsigned nIDResource);
    void LoadTemplate(const MenuTemplate& menuTemplate);

    unsigned GetMenuItemCount() const { return static_cast<unsigned>(m_items.size()); }
    unsigned GetMenuItemID(unsigned nPos) const;
    std::string GetMenuString(unsigned nPos) const;
    CMenu* GetSubMenu(unsigned nPos) const;
    const Item& GetItem(unsigned nPos) const { return m_items.at(nPos); }
    bool IsItemEnabled(unsigned nPos) const { return !m_items.at(nPos).bGrayed; }

    // Position of the item with that command id in this menu (not in its popups), or -1.
    int FindCommand(unsigned nID) const;

    void AppendMenu(unsigned nID, const std::string& text);
    void AppendSeparator();
    void AppendPopup(const std::string& text, std::unique_ptr<CMenu> pPopup);
    bool InsertMenu(unsigned nPos, unsigned nID, const std::string& text);
    bool RemoveMenuCommand(unsigned nID);
    void EnableMenuItem(unsigned nPos, bool bEnable);
    void CheckMenuItem(unsigned nPos, bool bCheck);
    void SetMenuItemText(unsigned nPos, const std::string& text);

private:
    std::vector<Item> m_items;
};
