#pragma once

#include "CmdTarget.h"

#include <exception>
#include <string>
#include <vector>

class CArchive;
class CDocTemplate;
class CFrameWnd;
class CView;

// The data a frame shows, with its title, its file and whether it has unsaved changes.
class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument() = default;
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // Takes the full path and the file's title, and adds the path to the recent files.
    virtual void SetPathName(const std::string& pathName, bool bAddToMRU = true);
    void ClearPathName() { m_strPathName.clear(); }
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual bool IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(bool bModified = true) { m_bModified = bModified; }

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const char* lpszPathName);
    virtual bool OnSaveDocument(const char* lpszPathName);
    // Destroys the frames that show the document, then the document itself.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}
    virtual void Serialize(CArchive&) {}
    // True when the document may be discarded: unmodified, or saved or let go after asking.
    virtual bool SaveModified();

    // The standard save: asks for a name when there is none (or when bReplace is false, a
    // new name), stores the document and takes the name.
    virtual bool DoSave(const char* lpszPathName, bool bReplace = true);
    bool DoFileSave();

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const std::vector<CView*>& GetViews() const { return m_viewList; }
    void UpdateAllViews(CView* pSender, long lHint = 0, CObject* pHint = nullptr);
    void UpdateFrameCounts();

    bool m_bAutoDelete = true;   // deleted when its last view goes

protected:
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileClose();
    // Reports a failure to store the document: the file error's text, or the default.
    void ReportSaveLoadException(const char* lpszPathName, std::exception_ptr error, unsigned nIDPDefault);

    std::string m_strTitle;
    std::string m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_viewList;
    bool m_bModified = false;

    friend class CDocTemplate;
    DECLARE_MESSAGE_MAP()
};
