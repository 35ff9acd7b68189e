#include "TarvelinApp.h"

#include "AboutDlg.h"
#include "CommandLineInfo.h"
#include "DocTemplate.h"
#include "MainFrame.h"
#include "Resource.h"
#include "TarvelinDoc.h"
#include "TarvelinView.h"
#include "Wnd.h"

BEGIN_MESSAGE_MAP(CTarvelinApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

bool CTarvelinApp::InitInstance()
{
    AfxEnableControlContainer();
    Enable3dControlsStatic();
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);

    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTarvelinDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CTarvelinView)));

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (!ProcessShellCommand(cmdInfo))
        return false;

    m_pMainWnd->ShowWindow(SW_SHOW);
    m_pMainWnd->UpdateWindow();
    return true;
}

void CTarvelinApp::OnAppAbout()
{
    CAboutDlg aboutDlg;
    aboutDlg.DoModal();
}
