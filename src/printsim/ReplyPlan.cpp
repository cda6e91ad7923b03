#include "printsim/ReplyPlan.h"

#include "printsim/FrameReader.h"

QList<ReplyPiece> planReply(const PrinterBehaviour& b, int answeredSoFar) {
    if (b.silent) return {};
    if (b.answerLimit >= 0 && answeredSoFar >= b.answerLimit) return {};
    const QByteArray reply = b.wrongThird ? QByteArray("\xB3\x00\x00", 3) : QByteArray("\x06\x00\xB3", 3);
    if (b.pieceGapMs <= 0) return {{b.delayMs, reply}};
    QList<ReplyPiece> pieces;
    for (qsizetype i = 0; i < reply.size(); ++i) pieces.append({b.delayMs + int(i) * b.pieceGapMs, reply.mid(i, 1)});
    return pieces;
}

bool leftUnanswered(const PrinterBehaviour& b, const ReadFrame& frame) {
    // Background and glyph chunks carry their number S in the fourth payload byte.
    const bool chunked = frame.command == 0xB1 || (frame.command >= 0xB8 && frame.command <= 0xBA);
    return b.unansweredChunk > 0 && chunked && frame.payload.size() > 3 &&
           quint8(frame.payload[3]) == b.unansweredChunk;
}
