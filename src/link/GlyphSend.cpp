#include "link/GlyphSend.h"

#include "link/Frame.h"
#include "link/TransactionLog.h"

#include <QCoreApplication>
#include <optional>

bool sendGlyphPayloads(SerialPort& port, LinkReporter& reporter, const QList<GlyphPayload>& payloads,
                       ReplyTiming timing) {
    for (const GlyphPayload& p : payloads)
        if (chunkCount(p.bytes.size()) > kMaxChunks)
            throw GlyphRefused(
                QCoreApplication::translate("GlyphSend", "字模数据共%1字节，超过%2块（每块%3字节），无法发送。")
                    .arg(p.bytes.size())
                    .arg(kMaxChunks)
                    .arg(kChunkSize)
                    .toStdString());
    // Logged as glyphs also when every payload is empty and no frame goes out.
    std::optional<TransactionLabel> label;
    if (!TransactionLabel::current()) label.emplace(QStringLiteral("glyphs"));
    Transaction transaction(port, reporter, timing);
    for (const GlyphPayload& p : payloads)
        if (!transaction.sendChunks(p.command, p.resolution, p.height, p.bytes, actionGlyph())) return false;
    return true;
}
