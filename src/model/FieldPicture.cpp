#include "model/FieldPicture.h"

#include "common/MonoImage.h"
#include "common/RegularFile.h"
#include "common/TextPieces.h"
#include "model/JpegReader.h"
#include "model/PictureBudget.h"

#include <QCoreApplication>
#include <QImageReader>

namespace {

// The extension as the file name carries it: from the last "." after the last
// folder separator (either kind of slash), "." included; empty when none.
QString extensionOf(const QString& path) {
    const qsizetype slash = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? path.mid(dot) : QString();
}

// What reading a picture decoded at `decoded` (holding decodedBytes) and
// scaling it onto the element costs: the decoded picture, its colour copy and
// the scaled colour picture (scaleToMono).
qint64 readingBytes(qint64 decodedBytes, QSize decoded, QSize element) {
    return decodedBytes + PictureBudget::colourBytes(decoded) + PictureBudget::colourBytes(element);
}

QString pictureNamed(const QString& path) {
    return QCoreApplication::translate("FieldPicture", "图片“%1”").arg(path);
}

// False when the reading cannot fit a whole budget; else paid for (which
// throws when the template's budget has too little left).
bool payFor(qint64 bytes, const QString& path, PictureBudget* budget) {
    if (!PictureBudget::fitsAlone(bytes)) return false;
    if (budget) budget->spend(bytes, pictureNamed(path));
    return true;
}

QImage readBmp(const QString& path, QSize element, PictureBudget* budget) {
    QFile file;
    if (!openRegularFile(file, path)) return QImage();
    QImageReader reader(&file, "BMP");
    reader.setAllocationLimit(int(kTemplateBudgetBytes >> 20));
    // The size from the header (none: the file is no BMP); a BMP is read whole, at most four bytes a dot.
    const QSize size = reader.size();
    if (!size.isValid() || !payFor(readingBytes(PictureBudget::colourBytes(size), size, element), path, budget))
        return QImage();
    return reader.read();
}

QImage readJpeg(const QString& path, QSize element, PictureBudget* budget) {
    return readJpegFile(path, element, [&](const JpegPlan& plan) {
        return payFor(readingBytes(plan.bytes, plan.output, element), path, budget);
    });
}

} // namespace

PictureType pictureTypeForPath(const QString& path) {
    return extensionOf(path) == QLatin1String(".bmp") ? PictureType::Bmp : PictureType::Jpeg;
}

QImage scaleToMono(const QImage& picture, int width, int height) {
    QImage source = picture.convertToFormat(QImage::Format_RGB32);
    const QImage scaled =
        source.scaled(std::max(width, 1), std::max(height, 1), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return mono::fromImage(scaled);
}

bool loadFieldPictureAs(FieldImage& element, const QString& path, PictureType type, PictureBudget* budget) {
    if (trimBlanks(path).isEmpty()) return false;
    const QSize size(element.Width(), element.Height());
    const QImage picture = type == PictureType::Bmp ? readBmp(path, size, budget) : readJpeg(path, size, budget);
    if (picture.isNull()) return false;
    element.setPicture(scaleToMono(picture, element.Width(), element.Height()));
    return true;
}

bool loadFieldPicture(FieldImage& element, const QString& path, PictureBudget* budget) {
    return loadFieldPictureAs(element, path, pictureTypeForPath(path), budget);
}
