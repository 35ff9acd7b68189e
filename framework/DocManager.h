#pragma once

#include <memory>
#include <string>
#include <vector>

class CDocTemplate;
class CDocument;

// The application's document templates and the commands that work across them.
class CDocManager {
public:
    CDocManager();
    ~CDocManager();
    CDocManager(const CDocManager&) = delete;
    CDocManager& operator=(const CDocManager&) = delete;

    void AddDocTemplate(CDocTemplate* pTemplate);  // takes ownership
    const std::vector<std::unique_ptr<CDocTemplate>>& GetTemplates() const { return m_templateList; }

    void OnFileNew();
    void OnFileOpen();
    // Opens the file into a document; when a document already holds that path it is only
    // brought to the front and nothing is read.
    CDocument* OpenDocumentFile(const std::string& pathName);

    // Asks for a file name in the open or save dialog; fileName proposes one and takes the
    // answer. False when the user cancelled.
    bool DoPromptFileName(std::string& fileName, unsigned nIDSTitle, bool bOpenFileDialog);

    bool SaveAllModified();
    // True when there were documents to close.
    bool CloseAllDocuments(bool bEndSession);

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templateList;
};
