#include "model/FieldPicture.h"

#include "common/MonoImage.h"
#include "common/RegularFile.h"
#include "common/SharedRoutines.h"
#include "model/JpegReader.h"

#include <QImageReader>

namespace {

// A BMP needing more memory than this (in megabytes) is not read.
constexpr int kMaxPictureMegabytes = 256;

// The extension as the file name carries it: from the last "." after the last
// folder separator (either kind of slash), "." included; empty when none.
QString extensionOf(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.mid(dot) : QString();
}

QImage readBmp(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path)) return QImage();
    QImageReader reader(&file, "BMP");
    reader.setAllocationLimit(kMaxPictureMegabytes);
    return reader.read();
}

} // namespace

PictureType pictureTypeForPath(const QString& path) {
    return extensionOf(path) == QLatin1String(".bmp") ? PictureType::Bmp : PictureType::Jpeg;
}

QImage scaleToMono(const QImage& picture, int width, int height) {
    QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QImage scaled = source.scaled(std::max(width, 1), std::max(height, 1), Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    return mono::fromImage(scaled);
}

bool loadFieldPictureAs(FieldImage& element, const QString& path, PictureType type) {
    if (trimBlanks(path).isEmpty()) return false;
    const QImage picture = type == PictureType::Bmp ? readBmp(path) : readJpegFile(path);
    if (picture.isNull()) return false;
    element.SetPicture(scaleToMono(picture, element.Width(), element.Height()));
    return true;
}

bool loadFieldPicture(FieldImage& element, const QString& path) {
    return loadFieldPictureAs(element, path, pictureTypeForPath(path));
}
