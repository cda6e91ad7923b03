#pragma once
// The main window's desktop habits: 文件/最近打开的文件 (the last eight templates),
// a .spt file dropped on the window opens it, and the window's size, position
// and toolbar state come back at the next start. The last two live in the
// editor's own settings (EditorSettings), never in the printer's values.
#include <QList>
#include <QObject>

class MainWindow;
class QAction;
class QMenu;
class QUrl;

class DesktopHabits : public QObject {
    Q_OBJECT
public:
    // Puts the recent-files menu into fileMenu in front of before (退出) and
    // gives the window the geometry it had when it was last closed.
    DesktopHabits(MainWindow& window, QMenu* fileMenu, QAction* before);

    QMenu* recentMenu() const { return recent_; }
    // Opens a template the way a recent entry or a drop does: when the template
    // has unsaved changes, the close question comes first; a missing file is
    // reported and dropped from the list.
    void openFromDesktop(const QString& path);
    // The window's geometry and toolbar state, stored (the window is closing).
    void saveWindowState();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRecentMenu();

    MainWindow& window_;
    QMenu* recent_;
};

// The template a drop carries: the first local file ending in .spt, if any.
QString droppedTemplate(const QList<QUrl>& urls);
