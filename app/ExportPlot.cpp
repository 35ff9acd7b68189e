#include "ExportPlot.h"

#include "FileException.h"
#include "QtImageExport.h"
#include "QtViewWidget.h"
#include "TarvelinDoc.h"
#include "TarvelinView.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <memory>

int ExportPlot(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: tarvelin --export-png OUT.png FILE.wav\n");
        return 2;
    }
    const char* out = argv[2];
    const char* wave = argv[3];
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    std::setlocale(LC_NUMERIC, "C");

    std::unique_ptr<CTarvelinDoc> pDoc(dynamic_cast<CTarvelinDoc*>(RUNTIME_CLASS(CTarvelinDoc)->CreateObject()));
    pDoc->m_bAutoDelete = false;
    pDoc->OnNewDocument();
    try {
        if (!pDoc->OnOpenDocument(wave)) {
            std::fprintf(stderr, "tarvelin: %s: not a 16-bit PCM WAVE file\n", wave);
            return 1;
        }
    } catch (const CFileException& error) {
        std::fprintf(stderr, "tarvelin: %s: cannot be read (file error %d)\n", wave, error.m_cause);
        return 1;
    }
    std::unique_ptr<CTarvelinView> pView(dynamic_cast<CTarvelinView*>(RUNTIME_CLASS(CTarvelinView)->CreateObject()));
    pDoc->AddView(pView.get());
    const bool bWritten = ExportWindowPng(*pView, CQtViewWidget::kPreferredSize, out);
    if (!bWritten) {
        std::fprintf(stderr, "tarvelin: %s: the image cannot be written\n", out);
        return 1;
    }
    return 0;
}
