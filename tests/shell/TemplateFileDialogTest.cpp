// The template file dialog lists a folder without opening the files in it,
// and starts in a folder only where an open or a save succeeded.
#include "shell/TemplateFileDialog.h"
#include "ModalDriver.h"
#include "shell/MainWindow.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTest>
#include <atomic>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

TEST(TemplateFileDialog, ListsAFolderWithAFifoWithoutOpeningAnyFile) {
    QTemporaryDir dir;
    const QByteArray fifo = QFile::encodeName(dir.filePath("x.spt"));
    ASSERT_EQ(mkfifo(fifo.constData(), 0644), 0);
    writeFile(dir.filePath("y.spt"), "[Main]\r\n");
    // The watchdog: whoever opens the FIFO to read it would wait for a writer;
    // it gets one (and an end of file) here, and the test notes it.
    std::atomic<bool> done{false}, fifoOpened{false};
    std::jthread watchdog([&] {
        while (!done) {
            if (const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                fifoOpened = true;
                ::close(fd);
            }
            std::this_thread::yield();
        }
    });
    struct Stop {
        std::atomic<bool>& done;
        ~Stop() { done = true; }
    } stop{done}; // before the watchdog is joined, however the test ends
    const int watch = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(watch, QFile::encodeName(dir.path()).constData(), IN_OPEN);
    {
        TemplateFileDialog dialog(TemplateFileDialog::Open);
        dialog.setDirectory(dir.path());
        dialog.setViewMode(QFileDialog::Detail); // the operator's detail view: sizes, types, dates
        dialog.show();
        auto* model = dialog.findChild<QFileSystemModel*>();
        ASSERT_TRUE(model);
        const QModelIndex folder = model->index(dir.path());
        // y.spt is listed (the FIFO, a system file, is not)
        ASSERT_TRUE(QTest::qWaitFor([&] { return model->index(dir.filePath("y.spt")).isValid(); }));
        for (int row = 0; row < model->rowCount(folder); ++row)
            for (int column = 0; column < model->columnCount(folder); ++column)
                for (int role : {Qt::DisplayRole, Qt::DecorationRole})
                    model->data(model->index(row, column, folder), role);
        dialog.selectFile(dir.filePath("x.spt")); // the preview of a FIFO shows nothing
        QTest::qWait(0);
    } // the dialog's list thread ends with it
    done = true;
    watchdog.join();
    QStringList opened;
    char buffer[4096];
    for (ssize_t n; (n = read(watch, buffer, sizeof buffer)) > 0;)
        for (char* p = buffer; p < buffer + n; p += sizeof(inotify_event) + reinterpret_cast<inotify_event*>(p)->len)
            if (const auto* e = reinterpret_cast<inotify_event*>(p); e->len) opened << QString::fromUtf8(e->name);
    close(watch);
    EXPECT_FALSE(fifoOpened);
    EXPECT_TRUE(opened.isEmpty()) << opened.join(' ').toStdString(); // no file opened to decorate the list
}

TEST(TemplateFileDialog, AFailedSaveLeavesTheRememberedFolder) {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window(dir.filePath("Config.ini"), store);
    QStringList boxes;
    QString target;
    ModalDriver driver([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(target);
            QMetaObject::invokeMethod(dialog, "accept");
            return;
        }
        boxes << answer(modal, QMessageBox::Ok);
    });
    QAction* save = window.findChild<QAction*>("Act_Save");
    target = dir.filePath("good.spt");
    save->trigger();
    ASSERT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
    target = QStringLiteral("/proc/x.spt"); // nobody, root included, can create a file there
    save->trigger();
    ASSERT_EQ(boxes.size(), 1); // the write's failure
    EXPECT_EQ(TemplateFileDialog(TemplateFileDialog::Save).directory().absolutePath().toStdString(),
              QDir(dir.path()).absolutePath().toStdString());
}
