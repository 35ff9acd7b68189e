#pragma once

class CMenu;
class QMenu;
class QMenuBar;
struct WindowHandle;

// Shows a frame's menu, as the framework keeps it, in the frame's menu bar: texts with their
// '&' access keys and the key name after a tab, separators, grey and checked items. Each time
// a popup opens the frame updates its items and the popup is built again from them; a
// chosen item's command goes to the frame.
class CQtMenuBar {
public:
    CQtMenuBar(QMenuBar& bar, WindowHandle& frame, CMenu& menu);

    // Builds the whole bar again: the menu changed outside a popup's update.
    void Rebuild();

private:
    void Fill(QMenu& qmenu, CMenu& menu);
    void OnAboutToShow(QMenu& qmenu, CMenu& menu);
    void OnChosen(unsigned nID);

    QMenuBar& m_bar;
    WindowHandle& m_frame;
    CMenu& m_menu;
};
