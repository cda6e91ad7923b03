#include "shell/DesktopHabits.h"

#include "shell/EditorSettings.h"
#include "shell/ErrorBoundary.h"
#include "shell/MainWindow.h"
#include "shell/RecentFiles.h"
#include "shell/StatusLine.h"
#include "shell/TemplateCommands.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace {
const QString kGeometry = QStringLiteral("Window/Geometry");
const QString kState = QStringLiteral("Window/State");
} // namespace

QString droppedTemplate(const QList<QUrl>& urls) {
    for (const QUrl& url : urls)
        if (url.isLocalFile() && url.toLocalFile().endsWith(QStringLiteral(".spt"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

DesktopHabits::DesktopHabits(MainWindow& window, QMenu* fileMenu, QAction* before)
    : QObject(&window), window_(window), recent_(new QMenu(tr("最近打开的文件"), fileMenu)) {
    recent_->setObjectName(QStringLiteral("Menu_Recent"));
    fileMenu->insertMenu(before, recent_);
    fileMenu->insertSeparator(before);
    connect(recent_, &QMenu::aboutToShow, this, &DesktopHabits::fillRecentMenu);
    connect(&window, &MainWindow::recentFilesChanged, this, &DesktopHabits::fillRecentMenu);
    fillRecentMenu();
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    const auto settings = editorSettings(window_.store());
    window.restoreGeometry(settings->value(kGeometry).toByteArray());
    window.restoreState(settings->value(kState).toByteArray());
}

void DesktopHabits::fillRecentMenu() {
    recent_->clear();
    const QStringList files = RecentFiles::list(window_.store());
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* entry = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        connect(entry, &QAction::triggered, this, guarded(&window_, [this, path] { openFromDesktop(path); }));
    }
    recent_->setEnabled(!files.isEmpty());
}

void DesktopHabits::openFromDesktop(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        window_.showError(tr("找不到文件 %1").arg(path));
        fillRecentMenu(); // reading the list drops it
        return;
    }
    if (window_.isModified() && !closeQuery(window_)) return;
    openTemplateFile(window_, path);
}

void DesktopHabits::saveWindowState() {
    const auto settings = editorSettings(window_.store());
    settings->setValue(kGeometry, window_.saveGeometry());
    settings->setValue(kState, window_.saveState());
}

bool DesktopHabits::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedTemplate(drag->mimeData()->urls()).isEmpty()) return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedTemplate(drop->mimeData()->urls());
        if (path.isEmpty()) return false;
        drop->acceptProposedAction();
        runCommand(&window_, [&] { openFromDesktop(path); });
        return true;
    }
    return false;
}
