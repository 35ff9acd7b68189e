#include "TarvelinDoc.h"

#include "CmdUI.h"
#include "FrameworkIds.h"
#include "PcmFormat.h"
#include "Spectrum.h"
#include "WavReader.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CTarvelinDoc, CDocument)

BEGIN_MESSAGE_MAP(CTarvelinDoc, CDocument)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
    ON_UPDATE_COMMAND_UI(ID_FILE_SAVE_AS, OnUpdateFileSave)
END_MESSAGE_MAP()

CTarvelinDoc::~CTarvelinDoc() = default;

void CTarvelinDoc::Serialize(CArchive&)
{
    // The levels come from a recording; nothing of the document is stored or loaded.
}

bool CTarvelinDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return false;
    std::fill(std::begin(m_dSpectrum), std::end(m_dSpectrum), 0.0);
    m_bHoldsOpenedFile = false;
    return true;
}

bool CTarvelinDoc::OnOpenDocument(const char* lpszPathName)
{
    DeleteContents();
    CWavReader reader;
    if (!reader.Open(lpszPathName))
        return false;
    const PcmFormatCheck format = CheckPcmFormat(reader.GetFormat(), reader.GetFormatSize());
    if (!format.IsAccepted())
        return false;
    // The channel count is taken before the analysis closes the reader and its format copy.
    const std::uint16_t nChannels = format.channels;
    ComputeSpectrum(reader, nChannels, m_dSpectrum);
    m_bHoldsOpenedFile = true;
    return true;
}

void CTarvelinDoc::OnUpdateFileSave(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bHoldsOpenedFile);
}
