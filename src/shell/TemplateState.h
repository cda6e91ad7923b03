#pragma once
// The whole template as the main window holds it: every element, the next
// number, the selection, the canvas size, template number and resolution, and
// the file it came from. 新建 and 打开 keep the template they replace as such a
// state, so that undo brings it back whole.
#include "editor/ElementSnapshot.h"
#include "editor/StackOrder.h"
#include "editor/TemplateFile.h"

#include <functional>
#include <optional>
#include <vector>

class MainWindow;

struct TemplateState {
    std::vector<ElementSnapshot> elements; // back to front
    int nextControlNo = 0;
    std::optional<int> selected;
    TemplateAttributes attributes;
    QString origin;
};

TemplateState captureTemplate(MainWindow& window);
// Puts the state back: the elements, the canvas and the attributes (stored for
// the next start, as opening a file stores them), then the selected element's
// panel and the summary line.
void restoreTemplate(MainWindow& window, const TemplateState& state);
// The canvas size, template number and resolution taken and stored.
void applyTemplateAttributes(MainWindow& window, const TemplateAttributes& attributes);
// Runs change (which replaces the template) as one undoable step named text;
// no step when change returns false (nothing changed).
void replaceTemplateAsStep(MainWindow& window, const QString& text, const std::function<bool()>& change);
// 编辑/置于顶层 and 置于底层: the selected element in front of or behind all
// others (see moveToStackEnd), one undoable step; nothing without a selection.
void restackSelected(MainWindow& window, StackEnd end);
