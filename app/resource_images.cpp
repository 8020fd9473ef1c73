#include "app/resource_images.h"

#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace.
static void RegisterResources()
{
    Q_INIT_RESOURCE(resources);
}

QImage LoadResourceImage(const char* path)
{
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    return QImage(QString::fromLatin1(path));
}

QPixmap LoadResourcePixmap(const char* path)
{
    QImage image = LoadResourceImage(path).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == kImageBackground) {
                line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    return QPixmap::fromImage(image);
}
