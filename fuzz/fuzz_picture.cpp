// Picture fields: any JPEG or BMP file is read into a picture element or
// refused with "JPEG error #<n>" (a JPEG) or false (a BMP); the element keeps
// its size either way.
#include "FuzzSupport.h"

#include "model/FieldError.h"
#include "model/FieldPicture.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PictureType type = bytes.startsWith("BM") ? PictureType::Bmp : PictureType::Jpeg;
    FieldImage element;
    element.SetUserStyle(csImage);
    element.setSize(37, 23);
    try {
        loadFieldPictureAs(element, scratchFile(bytes), type);
    } catch (const FieldError& e) {
        FUZZ_CHECK(type == PictureType::Jpeg, QStringLiteral("a BMP threw ") + e.what());
        static const QRegularExpression jpegError(QStringLiteral("^JPEG error #\\d+$"));
        FUZZ_CHECK(jpegError.match(QString::fromUtf8(e.what())).hasMatch(),
                   QStringLiteral("undocumented refusal: ") + e.what());
    }
    FUZZ_CHECK(element.Width() == 37 && element.Height() == 23, QStringLiteral("the element changed size"));
    return 0;
}
