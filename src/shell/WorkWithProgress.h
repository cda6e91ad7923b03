#pragma once
// A printer command run from the editor: on the worker thread behind the
// modal progress window, its status texts going to the window's message
// panel as they come. Returns once the command has ended.
#include "link/LinkProgress.h"
#include "shell/PrinterWork.h"

class LinkReporter;
class QWidget;

enum class WorkEnd { Accepted, Refused, Cancelled };

// What the message panel says after a cancel: the printer may hold part of the command.
QString cancelledText(const QString& title);

// title names the command ("发送数据"). An exception of the command is thrown
// again here, on the window's thread. After a cancel that cut the command
// short the panel shows cancelledText(title) and the result is Cancelled.
WorkEnd runWithProgress(QWidget* parent, LinkReporter& panel, const QString& title, LinkProgress progress,
                        PrinterWork::Job job);
