#pragma once
// Runs the printer search on a worker thread for the main window. The
// search's status texts and summaries reach the window's reporter through
// queued calls on the window's thread; finished() follows them there.
#include "link/PrinterSearch.h"

#include <QObject>
#include <memory>

class QFrame;
class QThread;
class QWidget;

class PrinterSearchTask : public QObject {
    Q_OBJECT
public:
    // The port that answers becomes the store's (a copy travels with the worker).
    PrinterSearchTask(SerialPort& port, const RegStore& store, QObject* parent = nullptr);
    ~PrinterSearchTask() override; // stops a running search and waits for it

    bool isRunning() const { return running_; }
    // Starts the worker unless one is running. target is called on this
    // object's thread and must outlive the search. parallel: every port at
    // once (Config.ini [Main] ParallelSearch=1).
    void start(const QStringList& ports, SearchReporter& target, int quietMs, bool parallel = false);
    // Ends a running search: the port being tried gives up its remaining
    // tries at once, no later port is tried. Returns when the worker ended.
    void stop();

signals:
    void finished(const QString& foundPort); // empty when no printer answered

private:
    void join();

    SerialPort& port_;
    const RegStore store_;
    // A QThread, so that the serial port it opens may use Qt's notifiers.
    std::unique_ptr<QThread> worker_;
    std::unique_ptr<SearchStop> stop_;
    std::unique_ptr<SearchReporter> relay_;
    bool running_ = false;
};

// The notice panel "Pnl_Search" shown over the window while a search runs.
QFrame* makeSearchNotice(QWidget* window);
// Its place: centred across, (height - panel - 70) / 2 from the top.
void placeSearchNotice(QFrame* notice, const QWidget* window);
