#include "Document.h"

#include "Archive.h"
#include "DocTemplate.h"
#include "File.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "PathUtil.h"
#include "ResourceSet.h"
#include "View.h"
#include "WaitCursor.h"
#include "WinApp.h"
#include "WinConstants.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

// The proposed name for a document that has no file yet: its title up to the first character
// that cannot stand in a plain file name.
std::string ProposedFileName(const std::string& title)
{
    return title.substr(0, title.find_first_of(" #%;/\\"));
}

bool FileExists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

}  // namespace

CDocument::~CDocument()
{
    for (CView* pView : m_viewList)
        pView->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(const std::string& title)
{
    m_strTitle = title;
    UpdateFrameCounts();
}

void CDocument::SetPathName(const std::string& pathName, bool bAddToMRU)
{
    m_strPathName = AfxFullPath(pathName);
    SetTitle(AfxGetFileTitle(m_strPathName));
    if (bAddToMRU) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->AddToRecentFileList(m_strPathName);
    }
}

void CDocument::UpdateFrameCounts()
{
    for (CView* pView : m_viewList) {
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->OnUpdateFrameTitle(true);
    }
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const char* lpszPathName)
{
    CFile file;
    CFileException error;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ReportSaveLoadException(lpszPathName, std::make_exception_ptr(error), AFX_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(false);
    try {
        CArchive archive(&file, CArchive::load);
        Serialize(archive);
    } catch (...) {
        DeleteContents();
        ReportSaveLoadException(lpszPathName, std::current_exception(), AFX_IDP_FAILED_TO_OPEN_DOC);
        return false;
    }
    return true;
}

bool CDocument::OnSaveDocument(const char* lpszPathName)
{
    CFile file;
    CFileException error;
    if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive, &error)) {
        ReportSaveLoadException(lpszPathName, std::make_exception_ptr(error), AFX_IDP_INVALID_FILENAME);
        return false;
    }
    try {
        CArchive archive(&file, CArchive::store);
        Serialize(archive);
        archive.Close();
        file.Flush();
        file.Close();
    } catch (...) {
        ReportSaveLoadException(lpszPathName, std::current_exception(), AFX_IDP_FAILED_TO_SAVE_DOC);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::ReportSaveLoadException(const char* lpszPathName, std::exception_ptr error,
                                        unsigned nIDPDefault)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    std::string text;
    try {
        std::rethrow_exception(error);
    } catch (const CFileException& e) {
        if (e.m_cause != CFileException::none) {
            CFileException named = e;
            named.m_strFileName = lpszPathName;
            text = pApp->FileErrorText(named);
        }
    } catch (...) {
    }
    if (text.empty())
        text = AfxLoadString(nIDPDefault);
    AfxMessageBox(text, MB_ICONEXCLAMATION);
}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; the document must outlive them.
    const bool bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = false;
    while (!m_viewList.empty()) {
        CView* pView = m_viewList.front();
        if (CFrameWnd* pFrame = pView->GetParentFrame())
            pFrame->DestroyWindow();
        else
            pView->DestroyWindow();
        // A view whose window was already gone leaves the list here.
        if (!m_viewList.empty() && m_viewList.front() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    std::string name = m_strPathName.empty() ? m_strTitle : AfxGetFileTitle(m_strPathName);
    std::string prompt = AfxLoadString(AFX_IDP_ASK_TO_SAVE);
    if (const auto at = prompt.find("%1"); at != std::string::npos)
        prompt.replace(at, 2, name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return true;
    default:
        return false;
    }
}

bool CDocument::DoFileSave()
{
    // A new document, or one whose file is gone or cannot be written, is saved under a name
    // asked for.
    if (m_strPathName.empty() || ::access(m_strPathName.c_str(), W_OK) != 0)
        return DoSave(nullptr);
    return DoSave(m_strPathName.c_str());
}

bool CDocument::DoSave(const char* lpszPathName, bool bReplace)
{
    CWinApp* pApp = AfxGetApp();
    std::string newName = lpszPathName != nullptr ? lpszPathName : "";
    if (newName.empty()) {
        newName = m_strPathName;
        if (bReplace && newName.empty())
            newName = ProposedFileName(m_strTitle);
        if (pApp == nullptr || !pApp->DoPromptFileName(newName, AFX_IDS_SAVEFILE, false))
            return false;
    }
    // A file that this save makes and cannot finish is removed again; a file that was there
    // before is never removed.
    const bool bExisted = FileExists(newName);
    CWaitCursor wait;
    if (!OnSaveDocument(newName.c_str())) {
        if (lpszPathName == nullptr && !bExisted)
            std::remove(newName.c_str());
        return false;
    }
    if (bReplace)
        SetPathName(newName);
    return true;
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}

void CDocument::OnFileClose()
{
    if (SaveModified())
        OnCloseDocument();
}

void CDocument::AddView(CView* pView)
{
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_viewList.erase(std::remove(m_viewList.begin(), m_viewList.end(), pView), m_viewList.end());
    pView->m_pDocument = nullptr;
    if (m_viewList.empty() && m_bAutoDelete)
        OnCloseDocument();
}

void CDocument::UpdateAllViews(CView* pSender, long lHint, CObject* pHint)
{
    for (CView* pView : m_viewList) {
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}
