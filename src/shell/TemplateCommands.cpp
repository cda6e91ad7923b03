#include "shell/TemplateCommands.h"

#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "shell/CanvasArea.h"
#include "shell/MainWindow.h"
#include "shell/TemplateFileDialog.h"

#include <QMessageBox>
#include <exception>

namespace {
TemplateAttributes attributesOf(MainWindow& window) {
    const AppSettings& s = window.settings();
    return {s.width, window.canvasArea()->canvasHeight(), s.moBan, s.zoom};
}

void takeAttributes(MainWindow& window, const TemplateAttributes& a) {
    AppSettings& s = window.settings();
    s.width = a.width;
    s.moBan = a.moBan;
    s.zoom = a.zoom;
    window.canvasArea()->setCanvasSize(a.width, a.height);
    writeRegString(QStringLiteral("Width"), QString::number(a.width));
    writeRegString(QStringLiteral("MoBan"), QString::number(a.moBan));
    writeRegString(QStringLiteral("Zoom"), a.zoom);
}
} // namespace

void newTemplate(MainWindow& window) {
    window.messageTemplate().clear(0);
    window.refreshSummary();
}

void openTemplateFile(MainWindow& window, const QString& path) {
    newTemplate(window);
    try {
        loadTemplate(window.messageTemplate(), path, [&](const TemplateAttributes& a) { takeAttributes(window, a); });
    } catch (const std::exception& e) {
        window.showError(QString::fromUtf8(e.what()));
    }
    window.refreshSummary();
}

void openTemplateWithDialog(MainWindow& window) {
    const QString path = TemplateFileDialog::choose(TemplateFileDialog::Open, &window);
    if (!path.isEmpty()) openTemplateFile(window, path);
}

bool saveTemplateWithDialog(MainWindow& window) {
    const QString path = TemplateFileDialog::choose(TemplateFileDialog::Save, &window);
    if (path.isEmpty()) return true;
    try {
        saveTemplate(window.messageTemplate(), attributesOf(window), path);
    } catch (const std::exception& e) {
        window.showError(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}

bool closeQuery(MainWindow& window) {
    const auto answer = QMessageBox::question(&window, QStringLiteral("提示"), QStringLiteral("是否将改动保存到文件? "),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer != QMessageBox::Ok || saveTemplateWithDialog(window);
}
