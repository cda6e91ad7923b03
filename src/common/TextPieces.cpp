#include "common/TextPieces.h"

QStringList splitText(const QString& text, QChar separator) {
    return text.split(separator, Qt::KeepEmptyParts);
}

QString trimBlanks(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() <= 0x20) ++first;
    while (last > first && text[last - 1].unicode() <= 0x20) --last;
    return text.mid(first, last - first);
}
