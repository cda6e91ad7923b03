#pragma once
// Before a send from the editor: when fields stick out of the print area, the
// operator is asked whether to send anyway; the parts outside are not printed.
#include "editor/PrintArea.h"

class QWidget;

// The question, naming each field on a line of its own.
QString printAreaQuestion(const QList<FieldOutside>& outside);
// True when the send may go ahead: nothing sticks out, or the operator
// pressed OK. Cancel (the default button) sends nothing.
bool confirmPrintAreaBeforeSend(QWidget* parent, const QList<FieldOutside>& outside);
