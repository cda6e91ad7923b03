#pragma once
// The interrupt (Ctrl+C, SIGINT) hook. While a transaction runs, an interrupt
// only sets that transaction's abort event, so that the remaining tries of its
// exchange fail at once. Between transactions SIGINT does whatever it did
// before the first one (for a program that did not change it: end the program).

class AbortEvent;

// Makes event the running transaction's abort event and puts the hook in
// place. False (and nothing changed) when another transaction's event is
// registered already.
bool registerRunningAbort(AbortEvent* event);
// Removes event and gives SIGINT back its earlier disposition; on return no
// interrupt handler is still touching event, so it may be freed.
void unregisterRunningAbort(AbortEvent* event);
// How many interrupts the hook has taken during transactions since the
// program started.
int interruptsTaken();
