#pragma once
// The 编辑 and 视图 menus, put between 文件 and 设置: undo and redo of the edit
// history, cut, copy, paste and delete of the selected field; zooming the canvas
// by whole factors (also Ctrl + mouse wheel), remembered in the per-user store.
#include "common/RegStore.h"
#include "model/MessageTemplate.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <optional>

class CanvasArea;
class CanvasEditor;
class EditHistory;
class FieldClipboard;
class QMainWindow;
class QAction;
class QMenu;

inline const QString kCanvasZoomValue = QStringLiteral("CanvasZoom");

class EditMenus : public QObject {
    Q_OBJECT
public:
    EditMenus(QMainWindow* window, const RegStore& store, EditHistory& history, CanvasEditor& editor,
              FieldClipboard& clipboard, CanvasArea* canvas);

    QMenu* editMenu() const { return edit_; }
    // 剪切, 复制, 删除 and the given actions are on only while a field is selected.
    void followSelection(MessageTemplate& message, const QList<QAction*>& more = {});
    QMenu* viewMenu() const { return view_; }
    void zoomIn();
    void zoomOut();
    void actualSize();

signals:
    // The canvas's zoom factor changed (menu, keys or wheel).
    void zoomChanged(int zoom);

public:
    ~EditMenus() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEditMenu(EditHistory& history, CanvasEditor& editor, FieldClipboard& clipboard);
    void buildViewMenu();
    void setZoom(int zoom, std::optional<QPoint> anchor = std::nullopt);

    RegStore store_; // keeps the canvas's magnification
    CanvasArea* canvas_;
    QList<QAction*> needSelection_;
    int subscription_ = 0;
    MessageTemplate* message_ = nullptr;
    QMenu* edit_ = nullptr;
    QMenu* view_ = nullptr;
};
