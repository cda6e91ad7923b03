// Helper for the log tests: appends COUNT transaction records whose file name
// is TAG, a long filler and the record's number, as fast as it can once the
// file GO exists (so two writers really run at the same time).
#include "link/TransactionLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) return 2;
    while (!QFileInfo::exists(QString::fromLocal8Bit(argv[3]))) QThread::usleep(200);
    const int count = QByteArray(argv[1]).toInt();
    const QString filler(3000, QLatin1Char('x')); // lines far longer than one pipe or page buffer slot
    TransactionRecord record;
    record.started = QDateTime::currentDateTime();
    record.command = QStringLiteral("send");
    for (int i = 0; i < count; ++i) {
        record.file = QString::fromLocal8Bit(argv[2]) + filler + QString::number(i);
        recordTransaction(record);
    }
    return 0;
}
