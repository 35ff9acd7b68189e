#pragma once

#include "Document.h"
#include "SpectrumConstants.h"

// The document: the 500 band levels of the file it opened (0 dB everywhere for a new one).
// It has no stored form of its own and never counts as changed.
class CTarvelinDoc : public CDocument {
    DECLARE_DYNCREATE(CTarvelinDoc)
public:
    // Band b's level in dB relative to 32768, band b being coefficients 8b to 8b + 7; a level
    // can be negative infinity. The view reads it directly.
    double m_dSpectrum[SPECTRUM_BANDS];

    ~CTarvelinDoc() override;
    void Serialize(CArchive& ar) override;
    bool OnNewDocument() override;
    // Reads the file and computes its levels. False, with every level as it was, when the
    // file is not 16-bit integer PCM WAVE; a read error passes through as CFileException.
    bool OnOpenDocument(const char* lpszPathName) override;

protected:
    CTarvelinDoc() = default;

    // Save and Save As never write over the recording the levels came from.
    void OnUpdateFileSave(CCmdUI* pCmdUI);

private:
    bool m_bHoldsOpenedFile = false;

    DECLARE_MESSAGE_MAP()
};
