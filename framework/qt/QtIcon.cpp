#include "QtIcon.h"

#include "ResourceTypes.h"

#include <QPixmap>

QImage ImageFromResource(const ImageResource& image)
{
    QImage result(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const QRgb pixel = image.IsTransparent(x, y) ? qRgba(0, 0, 0, 0) : (0xFF000000u | image.ColorAt(x, y));
            result.setPixel(x, y, pixel);
        }
    }
    return result;
}

QIcon IconFromGroup(const IconGroup& group)
{
    QIcon icon;
    for (const ImageResource& image : group.images)
        icon.addPixmap(QPixmap::fromImage(ImageFromResource(image)));
    return icon;
}
