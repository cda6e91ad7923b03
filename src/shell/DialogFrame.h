#pragma once
// Pieces the small settings dialogs share.
#include <QString>

class QDialog;
class QHBoxLayout;

// A frame with only a close box (no minimise, maximise or help button).
void useCloseBoxOnly(QDialog& dialog);
// The row "确定" "取消" at the bottom right, wired to accept and reject.
QHBoxLayout* okCancelRow(QDialog& dialog, const QString& okName, const QString& cancelName);
