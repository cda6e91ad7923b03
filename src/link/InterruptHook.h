#pragma once
// The interrupt hook for SIGINT (Ctrl+C), SIGTERM and SIGHUP. While a
// transaction runs, such a signal only sets that transaction's abort event, so
// that the remaining tries of its exchange fail at once. Between transactions
// each signal does whatever it did before the first one (for a program that
// did not change it: end the program).

class AbortEvent;

// Makes event the running transaction's abort event and puts the hook in
// place. False (and nothing changed) when another transaction's event is
// registered already.
bool registerRunningAbort(AbortEvent* event);
// Removes event and gives the signals back their earlier dispositions; on
// return no interrupt handler is still touching event, so it may be freed.
void unregisterRunningAbort(AbortEvent* event);
// Sets the running transaction's abort event, as an interrupt does, from any
// thread (the editor's 取消 during a command on its worker thread). False when
// no transaction runs. Not counted as an interrupt.
bool abortRunningTransaction();
// SIGTERM or SIGHUP when one of them was taken during the last transaction of
// the calling program (which raises it again once the transaction is wound
// up, so the program ends as it was asked to), else 0.
int terminationTaken();
// How many interrupts the hook has taken during transactions since the
// program started.
int interruptsTaken();
