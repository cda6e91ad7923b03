#pragma once
// The interrupt (Ctrl+C, SIGINT) hook: installed once for the process, it
// only sets the abort event of the transaction that is running, so that the
// remaining tries of its exchange fail at once. With no transaction running
// it does nothing.

class AbortEvent;

void installInterruptHook();
// Makes event the running transaction's abort event. False when another
// transaction's event is registered already.
bool registerRunningAbort(AbortEvent* event);
// Removes event; on return no interrupt handler is still touching it, so it
// may be freed.
void unregisterRunningAbort(AbortEvent* event);
