#include "QtImageExport.h"

#include "QtPaintDC.h"
#include "Wnd.h"

#include <QFile>
#include <QPainter>

QImage RenderWindowImage(CWnd& window, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CQtPaintDC dc(painter, image.rect());
    window.OnPaint(&dc);
    return image;
}

bool ExportWindowPng(CWnd& window, QSize size, const std::string& path)
{
    return RenderWindowImage(window, size).save(QFile::decodeName(path.c_str()), "PNG");
}
