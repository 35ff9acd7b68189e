#include "Dialog.h"

#include "ResourceSet.h"
#include "WinApp.h"
#include "WinConstants.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(unsigned nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

int CDialog::DoModal()
{
    const CResourceSet* pResources = AfxGetResourceSet();
    const DialogTemplate* pTemplate = pResources != nullptr ? pResources->FindDialog(m_nIDTemplate) : nullptr;
    if (pTemplate == nullptr)
        return -1;
    // Without a parent the main window owns the dialog.
    CWnd* pOwner = m_pParentWnd;
    if (pOwner == nullptr && AfxGetApp() != nullptr)
        pOwner = AfxGetApp()->m_pMainWnd;
    m_nModalResult = -1;
    const int nResult = AfxGetWindowSystem().RunModalDialog(this, *pTemplate, pOwner != nullptr ? pOwner->m_hWnd : nullptr);
    m_hWnd = nullptr;  // the window system has destroyed the dialog's window
    return nResult;
}

void CDialog::OnDialogCreated(HWND hWnd)
{
    m_hWnd = hWnd;
    OnInitDialog();
}

bool CDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

bool CDialog::UpdateData(bool bSaveAndValidate)
{
    CDataExchange exchange;
    exchange.m_bSaveAndValidate = bSaveAndValidate;
    exchange.m_pDlgWnd = this;
    DoDataExchange(&exchange);
    return true;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    if (m_hWnd != nullptr)
        AfxGetWindowSystem().EndModalDialog(m_hWnd, nResult);
}

void CDialog::OnOK()
{
    if (UpdateData(true))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
