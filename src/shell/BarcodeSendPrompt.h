#pragma once
// Before a send from the editor: when a barcode of the message does not decode
// at the printer's resolution, the operator is asked whether to send anyway.
#include "link/BarcodeVerification.h"

class QWidget;

// The question, naming each unreadable barcode on a line of its own.
QString unreadableBarcodeQuestion(const QList<BarcodeCheck>& unreadable);
// True when the send may go ahead: every verifiable barcode reads back, or the
// operator pressed OK. Cancel (the default button) sends nothing.
bool confirmBarcodesBeforeSend(QWidget* parent, const QList<BarcodeCheck>& checks);
