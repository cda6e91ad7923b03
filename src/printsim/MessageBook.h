#pragma once
// The messages the printer holds, one per template number. A whole background
// opens a new message; the settings frames that follow fill it in the order of
// a send: date (0xC1), expiry (0xC2), serial number (0xC3), shift (0xC4), each
// or the field-absent frame 0xC5 in its place. The fourth completes the
// message. A frame out of that order ends the send without a print; settings
// for a template whose background never came are refused.
#include "printsim/StoredMessage.h"

#include <QMap>
#include <QString>

class MessageBook {
public:
    struct Outcome {
        QString note;
        bool complete = false; // the message of templateNumber is ready to print
        int templateNumber = -1;
    };

    // A background came whole: the message of its template starts again with
    // no fields.
    void startMessage(int templateNumber, int resolution, const QByteArray& background);
    // A settings frame, 0xC1 to 0xC5, with its payload.
    Outcome applySettings(quint8 command, const QByteArray& payload);
    // The message of a template, if its background ever came.
    const StoredMessage* message(int templateNumber) const;

private:
    struct Entry {
        StoredMessage message;
        int place = 0;        // settings frames taken since the background; 4 when none is due
        QByteArray lastFrame; // command + payload of the last settings frame taken
    };
    Outcome applyInSend(Entry& entry, quint8 command, const QByteArray& payload);
    Outcome applyOutsideSend(Entry& entry, quint8 command, const QByteArray& payload);

    QMap<int, Entry> entries_;
};

// Payload bytes a settings command must carry (template and resolution
// numbers included): 9, 11, 17, 9 and 2 for 0xC1 to 0xC5; 0 for any other.
int settingsPayloadSize(quint8 command);
