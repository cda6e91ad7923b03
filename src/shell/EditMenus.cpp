#include "shell/EditMenus.h"

#include "shell/CanvasArea.h"
#include "shell/CanvasEditor.h"
#include "shell/EditHistory.h"
#include "shell/ErrorBoundary.h"
#include "shell/FieldClipboard.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>

EditMenus::EditMenus(QMainWindow* window, const RegStore& store, EditHistory& history, CanvasEditor& editor,
                     FieldClipboard& clipboard, CanvasArea* canvas)
    : QObject(window), store_(store), canvas_(canvas) {
    QMenuBar* bar = window->menuBar();
    QAction* settings = nullptr; // the menus go in front of 设置, or last without it
    for (QAction* a : bar->actions())
        if (a->text() == QCoreApplication::translate("MainWindow", "设置")) settings = a;
    edit_ = new QMenu(tr("编辑"), bar);
    edit_->setObjectName(QStringLiteral("Menu_Edit"));
    view_ = new QMenu(tr("视图"), bar);
    view_->setObjectName(QStringLiteral("Menu_View"));
    bar->insertMenu(settings, edit_);
    bar->insertMenu(settings, view_);
    buildEditMenu(history, editor, clipboard);
    buildViewMenu();
    canvas_->viewport()->installEventFilter(this);
    bool ok = false;
    const int stored = store_.read(kCanvasZoomValue, QStringLiteral("1")).trimmed().toInt(&ok);
    canvas_->setZoom(ok ? stored : 1); // out of range: the nearest factor
}

void EditMenus::buildEditMenu(EditHistory& history, CanvasEditor& editor, FieldClipboard& clipboard) {
    QAction* undo = history.stack()->createUndoAction(edit_, tr("撤销"));
    undo->setText(tr("撤销"));
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    // The stack names the step in the text; the menu keeps its own words.
    connect(history.stack(), &QUndoStack::undoTextChanged, undo, [undo] { undo->setText(tr("撤销")); });
    QAction* redo = history.stack()->createRedoAction(edit_, tr("重做"));
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(history.stack(), &QUndoStack::redoTextChanged, redo, [redo] { redo->setText(tr("重做")); });
    redo->setText(tr("重做"));
    undo->setObjectName(QStringLiteral("Act_Undo"));
    redo->setObjectName(QStringLiteral("Act_Redo"));
    edit_->addAction(undo);
    edit_->addAction(redo);
    edit_->addSeparator();
    QWidget* window = canvas_->window();
    needSelection_ << edit_->addAction(tr("剪切"), QKeySequence::Cut, &clipboard,
                                       guarded(window, [&clipboard] { clipboard.cut(); }));
    needSelection_ << edit_->addAction(tr("复制"), QKeySequence::Copy, &clipboard,
                                       guarded(window, [&clipboard] { clipboard.copy(); }));
    QAction* paste = edit_->addAction(tr("粘贴"), QKeySequence::Paste, &clipboard,
                                      guarded(window, [&clipboard] { clipboard.paste(); }));
    paste->setEnabled(false);
    connect(&clipboard, &FieldClipboard::contentChanged, paste, [paste] { paste->setEnabled(true); });
    needSelection_ << edit_->addAction(tr("删除"), QKeySequence::Delete, &editor,
                                       guarded(window, [&editor] { editor.deleteSelected(); }));
}

void EditMenus::followSelection(MessageTemplate& message, const QList<QAction*>& more) {
    needSelection_ << more;
    const auto follow = [this](FieldElement* selected) {
        for (QAction* a : needSelection_) a->setEnabled(selected != nullptr);
    };
    follow(message.selectedElement());
    message_ = &message;
    MessageTemplate::Events events;
    events.selectionChanged = follow;
    subscription_ = message.subscribe(std::move(events));
}

EditMenus::~EditMenus() {
    if (message_) message_->unsubscribe(subscription_);
}

void EditMenus::buildViewMenu() {
    view_->addAction(tr("放大"), QKeySequence(Qt::CTRL | Qt::Key_Plus), this, &EditMenus::zoomIn)
        ->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    view_->addAction(tr("缩小"), QKeySequence(Qt::CTRL | Qt::Key_Minus), this, &EditMenus::zoomOut);
    view_->addAction(tr("实际大小"), QKeySequence(Qt::CTRL | Qt::Key_0), this, &EditMenus::actualSize);
}

void EditMenus::zoomIn() {
    setZoom(canvas_->zoom() + 1);
}

void EditMenus::zoomOut() {
    setZoom(canvas_->zoom() - 1);
}

void EditMenus::actualSize() {
    setZoom(1);
}

void EditMenus::setZoom(int zoom, std::optional<QPoint> anchor) {
    const int before = canvas_->zoom();
    canvas_->setZoom(zoom, anchor);
    if (canvas_->zoom() == before) return;
    store_.write(kCanvasZoomValue, QString::number(canvas_->zoom()));
    emit zoomChanged(canvas_->zoom());
}

bool EditMenus::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::Wheel) return false;
    const auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0) return false;
    setZoom(canvas_->zoom() + (wheel->angleDelta().y() > 0 ? 1 : -1), wheel->position().toPoint());
    return true;
}
