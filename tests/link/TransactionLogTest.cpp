#include "link/TransactionLog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

// Two programs logging at once: every line stays whole, none is lost.
TEST(TransactionLogFile, TwoWritersAtOnceLeaveEveryLineWhole) {
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    const QString go = state.filePath("go");
    QProcess a, b;
    a.start(QStringLiteral(DAVIDUV_LOG_WRITER), {"1000", "a", go});
    b.start(QStringLiteral(DAVIDUV_LOG_WRITER), {"1000", "b", go});
    ASSERT_TRUE(a.waitForStarted() && b.waitForStarted());
    QThread::msleep(300); // both past their start-up, waiting for the signal
    QFile(go).open(QIODevice::WriteOnly);
    ASSERT_TRUE(a.waitForFinished(60000) && b.waitForFinished(60000));
    ASSERT_EQ(a.exitCode(), 0);
    ASSERT_EQ(b.exitCode(), 0);

    QFile log(state.filePath("daviduv/link.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = log.readAll().split('\n');
    EXPECT_TRUE(lines.takeLast().isEmpty()); // the file ends with a whole line
    ASSERT_EQ(lines.size(), 2000);
    std::map<QString, int> next{{"a", 0}, {"b", 0}};
    for (const QByteArray& line : lines) {
        const QString file = QJsonDocument::fromJson(line).object()["file"].toString();
        ASSERT_EQ(file.size(), 1 + 3000 + QString::number(next[file.left(1)]).size()) << line.left(80).constData();
        EXPECT_EQ(file.mid(3001).toInt(), next[file.left(1)]++); // each writer's lines in its own order
    }
    EXPECT_EQ(next["a"], 1000);
    EXPECT_EQ(next["b"], 1000);
}

TEST(TransactionLogFile, AnUnwritableLogIsReportedOnce) {
    QTemporaryDir state;
    QFile blocker(state.filePath("daviduv")); // a file where the log's folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    static int warnings = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
            if (type == QtWarningMsg) ++warnings;
        });
    recordTransaction(TransactionRecord{});
    recordTransaction(TransactionRecord{});
    qInstallMessageHandler(previous);
    EXPECT_EQ(warnings, 1);
}
