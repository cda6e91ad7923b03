#pragma once
// Pieces the small settings dialogs share.
#include <QString>
#include <Qt>

class QDialog;
class QHBoxLayout;

// The frame flags of a dialog with only a close box: the window manager is
// asked for a title and a close button and nothing else (a window manager that
// ignores such requests, as openbox does, keeps its own buttons).
Qt::WindowFlags closeBoxOnlyFlags();
// A frame with only a close box (no minimise, maximise or help button).
void useCloseBoxOnly(QDialog& dialog);
// From now on every dialog and message box of the application, also those
// Qt's static functions make, gets that frame before it is first shown.
void keepDialogsToCloseBox();
// The row "确定" "取消" at the bottom right, wired to accept and reject.
QHBoxLayout* okCancelRow(QDialog& dialog, const QString& okName, const QString& cancelName);
