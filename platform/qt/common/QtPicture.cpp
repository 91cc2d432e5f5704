#include "platform/qt/common/QtPicture.h"

#include "platform/disk/PathResolver.h"

#include <QImageReader>

PictureHandle QtPictureLoader::load(const std::string& path) {
    auto resolved = resolvePath(path);
    if (!resolved)
        return nullptr;
    QImageReader reader(QString::fromStdString(resolved->string()));
    QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxSide || size.height() > MaxSide))
        return nullptr;
    QImage image = reader.read();
    if (image.isNull() || image.width() > MaxSide || image.height() > MaxSide)
        return nullptr;
    return std::make_shared<QtPicture>(path, image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}
