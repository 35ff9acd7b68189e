#include "DocTemplate.h"

#include "Document.h"
#include "FrameWnd.h"
#include "FrameworkIds.h"
#include "ResourceSet.h"
#include "WaitCursor.h"
#include "WinApp.h"
#include "WinConstants.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(unsigned nIDResource, const CRuntimeClass* pDocClass,
                           const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    LoadTemplate();
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    m_strDocStrings = AfxLoadString(m_nIDResource);
}

bool CDocTemplate::GetDocString(std::string& rString, DocStringIndex index) const
{
    rString.clear();
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = m_strDocStrings.find('\n', start);
        if (start == std::string::npos)
            return false;
        ++start;
    }
    const std::size_t end = m_strDocStrings.find('\n', start);
    rString = m_strDocStrings.substr(start, end == std::string::npos ? std::string::npos : end - start);
    return !rString.empty();
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass->CreateObject();
    auto* pDocument = dynamic_cast<CDocument*>(pObject);
    if (pDocument == nullptr) {
        delete pObject;
        return nullptr;
    }
    AddDocument(pDocument);
    return pDocument;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc)
{
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewDocTemplate = this;

    CObject* pObject = m_pFrameClass->CreateObject();
    auto* pFrame = dynamic_cast<CFrameWnd*>(pObject);
    if (pFrame == nullptr) {
        delete pObject;
        return nullptr;
    }
    if (!pFrame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
        delete pFrame;  // no window was left behind, so the object is still ours
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, bool bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

bool CDocTemplate::SaveAllModified()
{
    for (CDocument* pDoc : GetDocuments()) {
        if (!pDoc->SaveModified())
            return false;
    }
    return true;
}

void CDocTemplate::CloseAllDocuments(bool)
{
    for (CDocument* pDoc : GetDocuments())
        pDoc->OnCloseDocument();
}

CSingleDocTemplate::CSingleDocTemplate(unsigned nIDResource, const CRuntimeClass* pDocClass,
                                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr)
        m_pOnlyDoc->OnCloseDocument();
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc)
        m_pOnlyDoc = nullptr;
}

std::vector<CDocument*> CSingleDocTemplate::GetDocuments() const
{
    if (m_pOnlyDoc == nullptr)
        return {};
    return {m_pOnlyDoc};
}

void CSingleDocTemplate::SetDefaultTitle(CDocument* pDocument)
{
    std::string title;
    if (!GetDocString(title, docName))
        title = AfxLoadString(AFX_IDS_UNTITLED);
    pDocument->SetTitle(title);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* lpszPathName, bool bMakeVisible)
{
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = nullptr;
    CFrameWnd* pFrame = nullptr;
    bool bCreated = false;

    if (m_pOnlyDoc != nullptr) {
        pDocument = m_pOnlyDoc;
        if (!pDocument->SaveModified())
            return nullptr;
        pFrame = pApp != nullptr ? dynamic_cast<CFrameWnd*>(pApp->m_pMainWnd) : nullptr;
    } else {
        pDocument = CreateNewDocument();
        bCreated = true;
    }
    if (pDocument == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return nullptr;
    }

    if (pFrame == nullptr) {
        // While the frame is being made its view must not take the document along on failure.
        const bool bAutoDelete = pDocument->m_bAutoDelete;
        pDocument->m_bAutoDelete = false;
        pFrame = CreateNewFrame(pDocument);
        pDocument->m_bAutoDelete = bAutoDelete;
        if (pFrame == nullptr) {
            AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
            if (bCreated)
                delete pDocument;
            return nullptr;
        }
    }

    if (lpszPathName == nullptr) {
        SetDefaultTitle(pDocument);
        if (!pDocument->OnNewDocument()) {
            if (bCreated)
                pFrame->DestroyWindow();  // takes the document along
            return nullptr;
        }
    } else {
        CWaitCursor wait;
        const bool bWasModified = pDocument->IsModified();
        pDocument->SetModifiedFlag(false);
        bool bOpened = false;
        try {
            bOpened = pDocument->OnOpenDocument(lpszPathName);
        } catch (...) {
            // A document made for this open goes with its frame; an existing one stays.
            if (bCreated)
                pFrame->DestroyWindow();
            else
                pDocument->SetModifiedFlag(bWasModified);
            throw;
        }
        if (!bOpened) {
            if (bCreated)
                pFrame->DestroyWindow();
            else
                pDocument->SetModifiedFlag(bWasModified);
            return nullptr;
        }
        pDocument->SetPathName(lpszPathName);
    }

    if (bCreated && pApp != nullptr && pApp->m_pMainWnd == nullptr)
        pApp->m_pMainWnd = pFrame;
    InitialUpdateFrame(pFrame, pDocument, bMakeVisible);
    return pDocument;
}
