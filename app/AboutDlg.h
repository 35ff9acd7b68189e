#pragma once

#include "Dialog.h"

// Help > About: the icon, the name and version, a copyright line and OK.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
