#pragma once
// GBK (code page 936) text: every text the printer or a .spt file sees is a
// GBK byte string. Characters GBK cannot hold (an emoji, say) are replaced by
// "?" (0x3F), one "?" per character, so a conversion never fails.
#include <QByteArray>
#include <QString>

namespace gbk {

// True when the Qt build offers the GBK codec (checked once at start-up).
bool available();

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

// True when every character of the text is representable in GBK.
bool canEncode(const QString& text);

// Characters of two bytes: a byte 0x81..0xFE with a byte after it.
int fullWidthCount(const QByteArray& bytes);
// Characters of one byte.
int halfWidthCount(const QByteArray& bytes);
// Pairs of bytes that both lie in 0xA1..0xFF, scanned from the first byte;
// the printer measures its lead texts this way.
int highPairCount(const QByteArray& bytes);

} // namespace gbk
