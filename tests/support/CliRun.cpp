#include "support/CliRun.h"

#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

CliRun runCli(const QStringList& args, int interruptAfterMs, int signal) {
    QProcess cli;
    cli.start(QStringLiteral(DAVIDUV_BIN_DIR "/daviduv-cli"), args);
    EXPECT_TRUE(cli.waitForStarted(5000));
    if (interruptAfterMs >= 0) {
        // Once the first status line is out, the transaction is running.
        cli.waitForReadyRead(5000);
        QThread::msleep(uint(interruptAfterMs));
        ::kill(pid_t(cli.processId()), signal);
    }
    EXPECT_TRUE(cli.waitForFinished(30000));
    CliRun run;
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.out = QString::fromUtf8(cli.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.err = QString::fromUtf8(cli.readAllStandardError()).trimmed();
    return run;
}
