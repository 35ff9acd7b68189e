#include "DocManager.h"

#include "DocTemplate.h"
#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "PathUtil.h"
#include "ResourceSet.h"
#include "View.h"
#include "WinApp.h"

CDocManager::CDocManager() = default;
CDocManager::~CDocManager() = default;

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    m_templateList.emplace_back(pTemplate);
}

void CDocManager::OnFileNew()
{
    if (m_templateList.empty()) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    // With one template no document type is asked for.
    m_templateList.front()->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen()
{
    std::string fileName;
    if (!DoPromptFileName(fileName, AFX_IDS_OPENFILE, true))
        return;
    if (CWinApp* pApp = AfxGetApp())
        pApp->OpenDocumentFile(fileName.c_str());
}

CDocument* CDocManager::OpenDocumentFile(const std::string& pathName)
{
    if (m_templateList.empty())
        return nullptr;
    const std::string fullPath = AfxFullPath(pathName);
    for (const auto& pTemplate : m_templateList) {
        for (CDocument* pDocument : pTemplate->GetDocuments()) {
            if (!AfxComparePath(pDocument->GetPathName(), fullPath))
                continue;
            for (CView* pView : pDocument->GetViews()) {
                if (CFrameWnd* pFrame = pView->GetParentFrame())
                    pFrame->ActivateFrame();
            }
            return pDocument;
        }
    }
    return m_templateList.front()->OpenDocumentFile(fullPath.c_str());
}

bool CDocManager::DoPromptFileName(std::string& fileName, unsigned nIDSTitle, bool bOpenFileDialog)
{
    IWindowSystem::FileDialogParams params;
    params.bOpen = bOpenFileDialog;
    params.title = AfxLoadString(nIDSTitle);
    // No template names a file type here, so the one filter matches every file.
    params.filterName = AfxLoadString(AFX_IDS_ALLFILTER);
    params.filterPattern = "*.*";
    params.initialName = fileName;
    params.bPathMustExist = true;
    params.bFileMustExist = bOpenFileDialog;
    params.bPromptOverwrite = !bOpenFileDialog;
    CWinApp* pApp = AfxGetApp();
    HWND hOwner = pApp != nullptr && pApp->m_pMainWnd != nullptr ? pApp->m_pMainWnd->m_hWnd : nullptr;
    return AfxGetWindowSystem().DoFileDialog(hOwner, params, fileName);
}

bool CDocManager::SaveAllModified()
{
    for (const auto& pTemplate : m_templateList) {
        if (!pTemplate->SaveAllModified())
            return false;
    }
    return true;
}

bool CDocManager::CloseAllDocuments(bool bEndSession)
{
    bool bAny = false;
    for (const auto& pTemplate : m_templateList) {
        bAny = bAny || !pTemplate->GetDocuments().empty();
        pTemplate->CloseAllDocuments(bEndSession);
    }
    return bAny;
}
