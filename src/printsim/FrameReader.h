#pragma once
// Cuts the bytes coming from the host into frames as the printer sees them:
// 01 00, command, big-endian length L (payload + check byte), payload, check
// byte (exclusive-or of all bytes before it). The query 01 00 B3 00 02 B1 0A
// is taken as it is, though its last byte is no check byte.

#include <QByteArray>
#include <QList>
#include <QString>

struct ReadFrame {
    QByteArray bytes; // everything the frame (or the junk) was made of
    bool valid = false;
    QString problem; // why it was rejected
    quint8 command = 0;
    QByteArray payload;
};

class FrameReader {
public:
    void feed(const QByteArray& bytes);
    // Complete frames and rejected junk, in arrival order.
    QList<ReadFrame> takeFrames();
    bool hasPartial() const { return !buffer_.isEmpty(); }
    // Gives up an incomplete frame after the line went quiet.
    ReadFrame dropPartial();

private:
    bool takeOne(QList<ReadFrame>& out);
    ReadFrame reject(qsizetype count, const QString& problem);

    QByteArray buffer_;
};
