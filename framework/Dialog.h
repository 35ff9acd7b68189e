#pragma once

#include "Wnd.h"

// What a dialog's data exchange works with: the direction and the dialog.
struct CDataExchange {
    bool m_bSaveAndValidate = false;
    CWnd* m_pDlgWnd = nullptr;
};

// A dialog box built from a dialog template. DoModal shows it over its owner, which takes no
// input meanwhile, and returns how it ended.
class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    explicit CDialog(unsigned nIDTemplate, CWnd* pParentWnd = nullptr);

    // IDOK or IDCANCEL as the dialog ended, or -1 when its template is missing or it cannot
    // be made (nothing is shown then).
    virtual int DoModal();
    void EndDialog(int nResult);

    // Called by the window system once the dialog's window exists.
    void OnDialogCreated(HWND hWnd);
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange*) {}
    bool UpdateData(bool bSaveAndValidate = true);

    unsigned GetTemplateId() const { return m_nIDTemplate; }

protected:
    virtual void OnOK();
    virtual void OnCancel();

    unsigned m_nIDTemplate;
    CWnd* m_pParentWnd;
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()
};
