#pragma once
// A pseudo-terminal pair for tests: the port under test opens the device at
// slavePath(); the test plays the far end through the master descriptor.
#include <QByteArray>
#include <QString>

class PtyPair {
public:
    PtyPair(); // raw mode, so nothing is echoed or translated
    ~PtyPair();
    QString slavePath() const { return path_; }
    void write(const QByteArray& bytes);
    // Everything that arrives within waitMs (stops early once want bytes came).
    QByteArray read(int waitMs, int want = 1 << 30);
    void closeMaster(); // the far end goes away

private:
    int master_ = -1;
    int slave_ = -1; // kept open so the line stays up between opens
    QString path_;
};
