#include "model/PictureBudget.h"

#include <QCoreApplication>

qint64 PictureBudget::monoBytes(QSize dots) {
    const qint64 rowBytes = (qint64(std::max(dots.width(), 1)) + 31) / 32 * 4; // rows of whole 32-bit words
    return rowBytes * std::max(dots.height(), 1);
}

qint64 PictureBudget::colourBytes(QSize dots) {
    return qint64(std::max(dots.width(), 1)) * std::max(dots.height(), 1) * 4;
}

void PictureBudget::spend(qint64 bytes, const QString& what) {
    if (bytes <= left_) {
        left_ -= bytes;
        return;
    }
    throw TemplateTooLargeError(
        QCoreApplication::translate("PictureBudget", "模板过大：%1超出了一个模板的图片内存上限 %2 MB")
            .arg(what)
            .arg(kTemplateBudgetBytes >> 20));
}
