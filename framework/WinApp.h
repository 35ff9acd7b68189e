#pragma once

#include "CmdTarget.h"
#include "ProfileStore.h"
#include "WinConstants.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

class CCommandLineInfo;
class CDocManager;
class CDocTemplate;
class CDocument;
class CFileException;
class CRecentFileList;
class CWnd;
class IWindowSystem;

// The application: one object per program. It starts the run (InitInstance), owns the
// document templates, the recent-file list and the settings, takes the commands no window
// takes, and ends the run (ExitInstance).
class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The one application object; the name comes from string 0xE000 when none is given.
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    std::string m_pszAppName;
    std::string m_pszExeName;
    std::string m_pszRegistryKey;
    CWnd* m_pMainWnd = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;       // how the launcher asked the first window to show
    std::vector<std::string> m_argv;      // the arguments, without the program name
    unsigned m_nNumPreviewPages = 0;

    virtual bool InitApplication();
    virtual bool InitInstance();
    // Runs the event loop; returns what ExitInstance returns.
    virtual int Run();
    // Keeps the settings (not after unregistering) and returns the exit code.
    virtual int ExitInstance();

    // Start-up services.
    bool Enable3dControlsStatic();
    void SetRegistryKey(const char* lpszRegistryKey);
    void LoadStdProfileSettings(unsigned nMaxMRU = 4);
    void SaveStdProfileSettings();
    void AddDocTemplate(CDocTemplate* pTemplate);
    void ParseCommandLine(CCommandLineInfo& rCmdInfo);
    bool ProcessShellCommand(CCommandLineInfo& rCmdInfo);
    bool Unregister();

    // Profile access, under the registry key set by SetRegistryKey.
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = std::string());
    unsigned GetProfileInt(const std::string& section, const std::string& entry, int defaultValue);
    bool WriteProfileString(const std::string& section, const char* entry, const char* value);
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
    CProfileStore& GetProfileStore() { return m_profile; }

    virtual CDocument* OpenDocumentFile(const char* lpszFileName);
    virtual void AddToRecentFileList(const std::string& pathName);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }
    CDocManager* GetDocManager() const { return m_pDocManager.get(); }
    bool DoPromptFileName(std::string& fileName, unsigned nIDSTitle, bool bOpenFileDialog);
    bool SaveAllModified();
    bool CloseAllDocuments(bool bEndSession);

    // Message boxes carry the application's name; without an icon of their own they show
    // the exclamation mark.
    virtual int DoMessageBox(const std::string& prompt, unsigned nType);
    // The text for a file error: string 0xF1A0 + cause with the file name for %1.
    std::string FileErrorText(const CFileException& error) const;
    // Reports an error that reached a command or start-up, with its own text or the default.
    void ReportException(std::exception_ptr error, unsigned nIDPDefault);

    // The session ends (SIGTERM, SIGHUP): the documents close and the run ends, keeping the
    // settings as at any other exit.
    void OnEndSession();

    // Command handlers.
    void OnFileNew();
    void OnFileOpen();
    void OnAppExit();
    bool OnOpenRecentFile(unsigned nID);
    void OnUpdateRecentFileMenu(CCmdUI* pCmdUI);

protected:
    CProfileStore m_profile;
    std::unique_ptr<CDocManager> m_pDocManager;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::string m_strRecentPlaceholder;  // the menu's own text for the empty list
    bool m_bUnregistered = false;
    int m_nExitCode = 0;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();

// The framework's own message box: text or a string id, captioned with the application name.
int AfxMessageBox(const std::string& text, unsigned nType = MB_OK);
int AfxMessageBox(unsigned nIDPrompt, unsigned nType = MB_OK);

// Hosting of embedded controls in dialogs: no dialog here holds one, so there is nothing to do.
inline void AfxEnableControlContainer() {}

// The program's entry: installs the window system, names the application, runs
// InitInstance and the event loop, and returns the exit code.
int AfxWinMain(IWindowSystem& windowSystem, int argc, char** argv);
