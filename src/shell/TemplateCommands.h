#pragma once
// The file commands of the main window: New, Open, Save and the question
// asked when the window is closed.
#include <QString>

class MainWindow;

// New: removes the elements 0..64 and rewrites the summary line; the canvas
// size, template number and resolution stay. One undo step brings the template
// back whole.
void newTemplate(MainWindow& window);
// Opens path: New, then the file's canvas size, template number and
// resolution (stored for the next start) and its elements, the last one
// selected. An element the file describes wrongly stops the opening with the
// error shown; what was rebuilt before it stays. One undo step brings the
// previous template back; a file opened whole joins the recent files.
void openTemplateFile(MainWindow& window, const QString& path);
// At start, when an editor left a recovery copy: asks "检测到未保存的模板，是否恢复？".
// 是 opens the copy as an unsaved template (保存 proposes the path it came from);
// 否 deletes the copy. True when a template was restored.
bool offerRecovery(MainWindow& window);
// 打开: the open dialog, then openTemplateFile.
void openTemplateWithDialog(MainWindow& window);
// 保存: the save dialog, then the file written whole. False when the write
// failed (the error is shown and an existing file is kept) or the operator
// declined to write texts GBK cannot hold as "?"; a cancelled dialog saves
// nothing and counts as done.
bool saveTemplateWithDialog(MainWindow& window);
// Asks "是否将改动保存到文件? "; true when the window may close.
bool closeQuery(MainWindow& window);
