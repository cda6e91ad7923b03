#pragma once
// How the virtual printer answers a frame it accepted: normally 06 00 B3 at
// once; the options make it misbehave for tests.

#include <QByteArray>
#include <QList>

struct ReadFrame;

struct PrinterBehaviour {
    bool silent = false;     // never answer
    bool wrongThird = false; // answer B3 00 00: 0xB3 present, but not third
    int pieceGapMs = 0;      // > 0: one byte at a time, this far apart
    int delayMs = 0;         // wait this long before answering
    int answerLimit = -1;    // answer only the first N accepted frames (-1: all)
    int unansweredChunk = 0; // never answer chunk S of a chunked transfer (0: answer all)
    int lineRate = 0;        // take at most this many bytes a second from the line (0: no limit)
};

struct ReplyPiece {
    int atMs; // after the frame arrived
    QByteArray bytes;
};

// The pieces to send for the accepted frame that has answeredSoFar answers
// before it; empty for no answer.
QList<ReplyPiece> planReply(const PrinterBehaviour& behaviour, int answeredSoFar);

// Whether the behaviour leaves this accepted frame without any answer.
bool leftUnanswered(const PrinterBehaviour& behaviour, const ReadFrame& frame);
