#pragma once

#include <string>

class CCmdTarget;
class CMenu;

// The state of one user-interface item (a menu item) while its command's target decides it.
class CCmdUI {
public:
    unsigned m_nID = 0;
    unsigned m_nIndex = 0;        // position of the item in m_pMenu
    CMenu* m_pMenu = nullptr;     // the popup that holds the item, or null

    virtual ~CCmdUI() = default;
    virtual void Enable(bool bOn = true);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(const std::string& text);

    // Asks the target's route: an update handler decides; otherwise, when
    // bDisableIfNoHandler is set, an item whose command nobody handles is disabled and the
    // others are enabled. Only command ids below 0xF000 are updated.
    void DoUpdate(CCmdTarget* pTarget, bool bDisableIfNoHandler);
};

// Collects the state a handler sets, without a menu: used to test whether a command is
// enabled before it is carried out.
class CTestCmdUI : public CCmdUI {
public:
    bool m_bEnabled = true;
    void Enable(bool bOn = true) override { m_bEnabled = bOn; }
    void SetCheck(int) override {}
    void SetText(const std::string&) override {}
};
