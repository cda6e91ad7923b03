// The log is appended to only when it is a regular file of its own name, and
// a line the disk cuts short is taken back whole.
#include "common/AppendLine.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(AppendLine, FifoIsRefusedWithoutWaitingAndGetsNothing) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("link.log");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A reader is there, so an open that blocked on a lone FIFO would not hide the write.
    const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(appendWholeLine(fifo, "entry\n"), fifo + " is not a regular file");
    char byte;
    EXPECT_LE(::read(reader, &byte, 1), 0);
    ::close(reader);
    QString error;
    EXPECT_TRUE(readLastLines(fifo, 1, error).isEmpty());
    EXPECT_EQ(error, fifo + " is not a regular file");
}

TEST(AppendLine, SymbolicLinkIsNotFollowed) {
    QTemporaryDir dir;
    const QString victim = dir.filePath("victim.conf"), link = dir.filePath("link.log");
    writeFile(victim, "setting=1\n");
    ASSERT_TRUE(QFile::link(victim, link));
    EXPECT_EQ(appendWholeLine(link, "entry\n"), link + " is a symbolic link");
    EXPECT_EQ(readFile(victim), "setting=1\n");
}

TEST(AppendLine, LineCutShortByAFullDiskIsTakenBack) {
    // The kept log's last block has room for part of a long line, not all of it.
    FullFileSystem disk(QStringLiteral("link.log"), "first\n");
    if (!disk.full()) GTEST_SKIP() << "this machine does not permit mounting a tmpfs";
    const QString log = disk.filePath(QStringLiteral("link.log"));
    EXPECT_FALSE(appendWholeLine(log, QByteArray(9000, 'x') + '\n').isEmpty());
    EXPECT_EQ(readFile(log), "first\n");
}

TEST(AppendLine, LastLinesComeFromTheEnd) {
    QTemporaryDir dir;
    const QString log = dir.filePath("link.log");
    QByteArray text;
    for (int i = 0; i < 30000; ++i) text += "line " + QByteArray::number(i) + '\n'; // several blocks
    writeFile(log, text);
    QString error;
    EXPECT_EQ(readLastLines(log, 2, error), (QList<QByteArray>{"line 29998", "line 29999"}));
    EXPECT_EQ(readLastLines(log, -1, error).size(), 30000);
    EXPECT_EQ(readLastLines(log, 0, error).size(), 0);
    EXPECT_TRUE(readLastLines(dir.filePath("missing"), 1, error).isEmpty());
    EXPECT_TRUE(error.isEmpty());
}
