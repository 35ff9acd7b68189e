#include "WinApp.h"

#include "CmdUI.h"
#include "CommandLineInfo.h"
#include "DocManager.h"
#include "DocTemplate.h"
#include "FileException.h"
#include "FrameworkIds.h"
#include "Menu.h"
#include "RecentFileList.h"
#include "ResourceSet.h"
#include "Wnd.h"

#include <filesystem>
#include <new>

namespace {
CWinApp* g_pApp = nullptr;

constexpr unsigned kMaxRecentFiles = 16;

std::string CurrentFolder()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}
}  // namespace

CWinApp* AfxGetApp()
{
    return g_pApp;
}

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* lpszAppName)
    : m_pszAppName(lpszAppName != nullptr ? lpszAppName : ""), m_pDocManager(std::make_unique<CDocManager>())
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

bool CWinApp::InitApplication()
{
    return true;
}

bool CWinApp::InitInstance()
{
    return true;
}

int CWinApp::Run()
{
    m_nExitCode = AfxGetWindowSystem().RunEventLoop();
    return ExitInstance();
}

int CWinApp::ExitInstance()
{
    if (!m_bUnregistered)
        SaveStdProfileSettings();
    return m_nExitCode;
}

bool CWinApp::Enable3dControlsStatic()
{
    return true;  // every control here is drawn three-dimensional by the toolkit already
}

void CWinApp::SetRegistryKey(const char* lpszRegistryKey)
{
    m_pszRegistryKey = lpszRegistryKey;
    m_profile.SetRegistryKey(m_pszRegistryKey, m_pszAppName);
}

void CWinApp::LoadStdProfileSettings(unsigned nMaxMRU)
{
    if (nMaxMRU > kMaxRecentFiles)
        nMaxMRU = kMaxRecentFiles;
    m_pRecentFileList = std::make_unique<CRecentFileList>(0, "Recent File List", "File%d", static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList(m_profile);
    m_nNumPreviewPages = GetProfileInt("Settings", "PreviewPages", 0);
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList(m_profile);
    if (m_nNumPreviewPages != 0)
        WriteProfileInt("Settings", "PreviewPages", static_cast<int>(m_nNumPreviewPages));
}

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_pDocManager->AddDocTemplate(pTemplate);
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    ParseCommandLineArgs(rCmdInfo, m_argv);
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CmdMsg::Command, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;

    case CCommandLineInfo::FileOpen:
        // A read error here reaches no command; it is reported, and the run ends.
        try {
            return OpenDocumentFile(rCmdInfo.m_strFileName.c_str()) != nullptr;
        } catch (...) {
            ReportException(std::current_exception(), AFX_IDP_FAILED_TO_OPEN_DOC);
            return false;
        }

    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Nothing here prints: the file is opened hidden (and so joins the recent files), the
        // print request finds no taker, and the run ends quietly whatever happened.
        m_nCmdShow = SW_HIDE;
        try {
            if (!rCmdInfo.m_strFileName.empty() && OpenDocumentFile(rCmdInfo.m_strFileName.c_str()) != nullptr &&
                m_pMainWnd != nullptr)
                m_pMainWnd->OnCommand(ID_FILE_PRINT_DIRECT);
        } catch (...) {
        }
        return false;

    case CCommandLineInfo::FileDDE:
        // No conversation is ever accepted and no window is made: start-up ends quietly.
        m_nCmdShow = SW_HIDE;
        return false;

    case CCommandLineInfo::AppUnregister:
        Unregister();
        if (!rCmdInfo.m_bRunEmbedded)
            AfxMessageBox(AFX_IDP_UNREG_DONE, MB_OK);
        return false;
    }
    return false;
}

bool CWinApp::Unregister()
{
    std::vector<std::string> typeIds;
    for (const auto& pTemplate : m_pDocManager->GetTemplates()) {
        std::string typeId;
        if (pTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId))
            typeIds.push_back(typeId);
    }
    m_profile.Unregister(typeIds);
    m_bUnregistered = true;
    return true;  // whatever was found, the removal counts as done
}

std::string CWinApp::GetProfileString(const std::string& section, const std::string& entry,
                                      const std::string& defaultValue)
{
    return m_profile.GetProfileString(section, entry, defaultValue);
}

unsigned CWinApp::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue)
{
    return m_profile.GetProfileInt(section, entry, defaultValue);
}

bool CWinApp::WriteProfileString(const std::string& section, const char* entry, const char* value)
{
    return m_profile.WriteProfileString(section, entry, value);
}

bool CWinApp::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    return m_profile.WriteProfileInt(section, entry, value);
}

CDocument* CWinApp::OpenDocumentFile(const char* lpszFileName)
{
    return m_pDocManager->OpenDocumentFile(lpszFileName);
}

void CWinApp::AddToRecentFileList(const std::string& pathName)
{
    if (m_pRecentFileList)
        m_pRecentFileList->Add(pathName);
}

bool CWinApp::DoPromptFileName(std::string& fileName, unsigned nIDSTitle, bool bOpenFileDialog)
{
    return m_pDocManager->DoPromptFileName(fileName, nIDSTitle, bOpenFileDialog);
}

bool CWinApp::SaveAllModified()
{
    return m_pDocManager->SaveAllModified();
}

bool CWinApp::CloseAllDocuments(bool bEndSession)
{
    return m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::DoMessageBox(const std::string& prompt, unsigned nType)
{
    const unsigned buttons = nType & MB_TYPEMASK;
    if ((nType & MB_ICONMASK) == 0u &&
        (buttons == MB_OK || buttons == MB_OKCANCEL || buttons == MB_YESNO || buttons == MB_YESNOCANCEL))
        nType |= MB_ICONEXCLAMATION;
    HWND hOwner = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
    return AfxGetWindowSystem().MessageBox(hOwner, prompt, m_pszAppName, nType);
}

std::string CWinApp::FileErrorText(const CFileException& error) const
{
    int cause = error.m_cause;
    if (cause < CFileException::none || cause > CFileException::endOfFile)
        cause = CFileException::generic;
    std::string text = AfxLoadString(AFX_IDP_FILE_NONE + static_cast<unsigned>(cause));
    const std::string name = error.m_strFileName.empty() ? AfxLoadString(AFX_IDS_UNNAMED_FILE) : error.m_strFileName;
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

void CWinApp::ReportException(std::exception_ptr error, unsigned nIDPDefault)
{
    std::string text;
    unsigned nType = MB_ICONSTOP;
    try {
        std::rethrow_exception(error);
    } catch (const CFileException& e) {
        text = FileErrorText(e);
    } catch (const std::bad_alloc&) {
        text = AfxLoadString(AFX_IDS_MEMORY_EXCEPTION);
        nType = MB_ICONEXCLAMATION | MB_SYSTEMMODAL;
    } catch (...) {
    }
    if (text.empty())
        text = AfxLoadString(nIDPDefault);
    AfxMessageBox(text, nType);
}

void CWinApp::OnEndSession()
{
    CloseAllDocuments(true);
    if (m_pMainWnd != nullptr)
        m_pMainWnd->DestroyWindow();
    AfxGetWindowSystem().Quit(0);
}

void CWinApp::OnFileNew()
{
    m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    m_pDocManager->OnFileOpen();
}

void CWinApp::OnAppExit()
{
    // The same as the close box.
    if (m_pMainWnd != nullptr)
        m_pMainWnd->OnClose();
}

bool CWinApp::OnOpenRecentFile(unsigned nID)
{
    if (!m_pRecentFileList)
        return true;
    const int nIndex = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (nIndex >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[nIndex].empty())
        return true;
    const std::string path = (*m_pRecentFileList)[nIndex];
    // An entry whose file can no longer be opened leaves the list.
    try {
        if (OpenDocumentFile(path.c_str()) == nullptr)
            m_pRecentFileList->Remove(nIndex);
    } catch (...) {
        m_pRecentFileList->Remove(nIndex);
        throw;
    }
    return true;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    CMenu* pMenu = pCmdUI->m_pMenu;
    if (!m_pRecentFileList || pMenu == nullptr) {
        pCmdUI->Enable(m_pRecentFileList && !(*m_pRecentFileList)[0].empty());
        return;
    }
    if (m_strRecentPlaceholder.empty())
        m_strRecentPlaceholder = pMenu->GetMenuString(pCmdUI->m_nIndex);

    const unsigned nPos = pCmdUI->m_nIndex;
    for (int i = 1; i < m_pRecentFileList->GetSize(); ++i)
        pMenu->RemoveMenuCommand(ID_FILE_MRU_FILE1 + static_cast<unsigned>(i));
    if ((*m_pRecentFileList)[0].empty()) {
        pCmdUI->SetText(m_strRecentPlaceholder);
        pCmdUI->Enable(false);
        return;
    }
    pMenu->RemoveMenuCommand(ID_FILE_MRU_FILE1);
    const std::string currentDir = CurrentFolder();
    unsigned nInserted = 0;
    for (int i = 0; i < m_pRecentFileList->GetSize(); ++i) {
        std::string text;
        if (!m_pRecentFileList->GetMenuText(i, text, currentDir))
            break;
        pMenu->InsertMenu(nPos + nInserted, ID_FILE_MRU_FILE1 + static_cast<unsigned>(i), text);
        ++nInserted;
    }
    pCmdUI->m_nIndex = nPos + nInserted - 1;
}

int AfxMessageBox(const std::string& text, unsigned nType)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return 0;
    return pApp->DoMessageBox(text, nType);
}

int AfxMessageBox(unsigned nIDPrompt, unsigned nType)
{
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType);
}

int AfxWinMain(IWindowSystem& windowSystem, int argc, char** argv)
{
    AfxSetWindowSystem(&windowSystem);
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return 0;
    const std::string exe = argc > 0 ? std::filesystem::path(argv[0]).stem().string() : "";
    pApp->m_pszExeName = exe;
    if (argc > 1)
        pApp->m_argv.assign(argv + 1, argv + argc);
    // The name comes from the string table, or else from the program file.
    if (pApp->m_pszAppName.empty())
        pApp->m_pszAppName = AfxLoadString(AFX_IDS_APP_TITLE);
    if (pApp->m_pszAppName.empty())
        pApp->m_pszAppName = exe;

    // Watched from the start, so that a session ending while the window is being made is
    // handled as soon as the event loop runs, rather than killing the program unsaved.
    windowSystem.WatchSessionEnd([pApp] { pApp->OnEndSession(); });

    int nExitCode = 0;
    bool bStarted = false;
    try {
        bStarted = pApp->InitApplication() && pApp->InitInstance();
    } catch (...) {
        pApp->ReportException(std::current_exception(), AFX_IDP_INTERNAL_FAILURE);
    }
    if (bStarted) {
        nExitCode = pApp->Run();
    } else {
        if (pApp->m_pMainWnd != nullptr)
            pApp->m_pMainWnd->DestroyWindow();
        nExitCode = pApp->ExitInstance();
    }
    pApp->CloseAllDocuments(true);
    return nExitCode;
}
