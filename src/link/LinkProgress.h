#pragma once
// How far a printer command has come, read from the status texts the link
// shows: each try of a frame shows the frame's waiting text once it is
// written, each accepted frame its success text, a frame refused after its
// last try the failure text. From the frames planned, the line speed and the
// quiet period, it tells frame k of N, the bytes written and how long the
// rest should take.
#include "link/GlyphSend.h"
#include "link/LinkTexts.h"
#include "link/MessageRender.h"

#include <QList>

struct LinkStep {
    int bytes = 0; // the frame's size
    LinkAction action;
};

// The frames of a send, in order: the background chunks, then the four settings frames.
QList<LinkStep> sendSteps(const MessagePlan& plan);
// The chunks of the glyph payloads, in order.
QList<LinkStep> glyphSteps(const QList<GlyphPayload>& payloads);
// A command of one frame (clock, flash erase).
QList<LinkStep> singleStep(const QByteArray& frame, const LinkAction& action);

class LinkProgress {
public:
    LinkProgress(QList<LinkStep> steps, int baud, ReplyTiming timing);

    // A status text of the link; texts of no step under way are ignored.
    void note(const QString& text);

    int frames() const { return int(steps_.size()); }
    // The frame under way, 1-based; frames() once every frame was accepted.
    int frame() const { return std::min(current_ + 1, frames()); }
    int accepted() const { return current_; }
    int tries() const { return tries_; }             // tries of the frame under way written so far
    qint64 bytesWritten() const { return written_; } // retries count again
    qint64 bytesPlanned() const { return planned_; }
    bool failed() const { return failed_; }
    bool done() const { return failed_ || current_ >= frames(); }

    // The time one frame should take: on the line at the speed (10 bits a
    // byte), then the reply's quiet period.
    qint64 frameMs(int index) const;
    // The time the frames not yet accepted should take, less sinceWriteMs
    // already spent on the one under way (never below zero).
    qint64 remainingMs(qint64 sinceWriteMs) const;

private:
    QList<LinkStep> steps_;
    int baud_;
    ReplyTiming timing_;
    int current_ = 0;
    int tries_ = 0;
    qint64 written_ = 0;
    qint64 planned_ = 0;
    bool failed_ = false;
};
