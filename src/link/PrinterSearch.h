#pragma once
// The printer search: the printer query on each port in turn, at the port's
// current speed (never varied), keeping the first port that answers. That
// port and its speed are stored as "Comm" and "Baud". Runs on whatever thread
// calls it; the editor runs it on a worker thread.
#include "common/RegStore.h"
#include "link/LinkReporter.h"
#include "link/Transaction.h"

#include <QStringList>
#include <mutex>
#include <vector>

class AbortEvent;
class SerialPort;

// The search's status texts (ShowMessage) and the two summary forms.
class SearchReporter : public LinkReporter {
public:
    virtual void showFound(const QString& port, const QString& speedText) = 0;
    virtual void showNotFound() = 0;
    // The port answered but could not be stored as "Comm"/"Baud" (why).
    virtual void showNotStored(const QString& reason) { (void)reason; }
};

// Ends a running search from another thread: the abort event of the port
// being tried is set, so its remaining tries fail at once, and no further
// port is tried.
class SearchStop {
public:
    void request();
    bool requested() const;

    // Used by the search: the abort event of a port being tried (nullptr:
    // none any more). Set at once when a stop was already requested.
    void attach(AbortEvent* event);
    // A parallel search tries several ports at once: each leaves on its own.
    void detach(AbortEvent* event);

private:
    mutable std::mutex mutex_;
    std::vector<AbortEvent*> current_;
    bool requested_ = false;
};

// Returns the port that answered, empty when none did; it and its speed become
// the store's "Comm" and "Baud". A port that cannot be
// opened, or whose line fails, is skipped with the serial-port error in the
// message panel. An empty list sends nothing and shows nothing. An interrupt
// (Ctrl+C) or a stop ends the port being tried and the search.
QString searchPrinter(SerialPort& port, const QStringList& ports, const RegStore& store, SearchReporter& reporter,
                      SearchStop* stop = nullptr, ReplyTiming timing = {});

// The same search, opted into by Config.ini [Main] ParallelSearch=1 or
// daviduv-cli search --parallel: the query goes to every port at once (a
// thread and a port object each, at port's speed), and the first port in
// list order that answered is kept, so silent ports cost one round of tries
// together instead of one each. The status texts then follow in list order,
// once every port is done: each port's failure text or error, up to the one
// kept. port is left set to the port kept (or the last one tried).
QString searchPrinterInParallel(SerialPort& port, const QStringList& ports, const RegStore& store,
                                SearchReporter& reporter, SearchStop* stop = nullptr, ReplyTiming timing = {});
