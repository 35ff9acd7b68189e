#pragma once

#include "CmdTarget.h"

#include <string>
#include <vector>

class CDocument;
class CFrameWnd;

// Binds a document class, a frame class and a view class to one set of resources (menu,
// accelerators, icon and the template string under the same id), and makes them together.
class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    // The fields of the template string, separated by line feeds.
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName,
    };

    ~CDocTemplate() override;

    // Field `index` of the template string; false (and an empty text) when it is not given.
    bool GetDocString(std::string& rString, DocStringIndex index) const;
    unsigned GetResourceId() const { return m_nIDResource; }

    virtual void LoadTemplate();
    virtual CDocument* CreateNewDocument();
    // Makes the frame, its window and its view for the document; null when any part fails.
    virtual CFrameWnd* CreateNewFrame(CDocument* pDoc);
    virtual void InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, bool bMakeVisible = true);
    // Titles a new document with the template's document name, or "untitled".
    virtual void SetDefaultTitle(CDocument* pDocument) = 0;
    virtual CDocument* OpenDocumentFile(const char* lpszPathName, bool bMakeVisible = true) = 0;

    virtual void AddDocument(CDocument* pDoc);
    virtual void RemoveDocument(CDocument* pDoc);
    virtual std::vector<CDocument*> GetDocuments() const = 0;

    bool SaveAllModified();
    void CloseAllDocuments(bool bEndSession);

protected:
    CDocTemplate(unsigned nIDResource, const CRuntimeClass* pDocClass, const CRuntimeClass* pFrameClass,
                 const CRuntimeClass* pViewClass);

    unsigned m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
    std::string m_strDocStrings;
};

// The template of a program that shows one document at a time: the one document and its
// frame are made once and reused by every New and Open.
class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    CSingleDocTemplate(unsigned nIDResource, const CRuntimeClass* pDocClass,
                       const CRuntimeClass* pFrameClass, const CRuntimeClass* pViewClass);
    ~CSingleDocTemplate() override;

    void SetDefaultTitle(CDocument* pDocument) override;
    // Null path: a new document. Otherwise the file is opened into the one document. Null
    // when the document refuses the file (nothing changes then) or cannot be made.
    CDocument* OpenDocumentFile(const char* lpszPathName, bool bMakeVisible = true) override;

    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    std::vector<CDocument*> GetDocuments() const override;

private:
    CDocument* m_pOnlyDoc = nullptr;
};
