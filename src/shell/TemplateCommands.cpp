#include "shell/TemplateCommands.h"

#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "shell/CanvasArea.h"
#include "shell/MainWindow.h"
#include "shell/TemplateFileDialog.h"
#include "shell/panels/PropertyPanels.h"

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
    window.clearEditHistory();
    window.propertyPanels()->showMain();
    window.refreshSummary();
}

void openTemplateFile(MainWindow& window, const QString& path) {
    newTemplate(window);
    try {
        loadTemplate(window.messageTemplate(), path, [&](const TemplateAttributes& a) { takeAttributes(window, a); });
    } catch (const std::exception& e) {
        window.showError(QString::fromUtf8(e.what()));
    }
    window.clearEditHistory();
    // The last field is selected; a barcode's panel is filled at once.
    if (FieldElement* last = window.messageTemplate().SelectedControl(); last && last->IsBarcode())
        window.propertyPanels()->showFor(*last);
    window.refreshSummary();
}

void openTemplateWithDialog(MainWindow& window) {
    const QString path = TemplateFileDialog::choose(TemplateFileDialog::Open, &window);
    if (!path.isEmpty()) openTemplateFile(window, path);
}

namespace {
// Writes the file; texts GBK cannot hold are written as "?" only when the
// operator agrees. False when nothing was written.
bool writeTemplate(MainWindow& window, const QString& path) {
    const TemplateAttributes attributes = attributesOf(window);
    LostCharacters lost = LostCharacters::Refuse;
    const QStringList keys = textsGbkCannotHold(window.messageTemplate(), attributes);
    if (!keys.isEmpty()) {
        const auto answer = QMessageBox::question(
            &window, QStringLiteral("提示"),
            QStringLiteral("以下文字含有无法保存的字符：%1\n是否用“?”代替这些字符并保存？").arg(keys.join(QStringLiteral("，"))),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) return false;
        lost = LostCharacters::WriteAsQuestionMarks;
    }
    try {
        saveTemplate(window.messageTemplate(), attributes, path, lost);
    } catch (const TemplateFileError& e) {
        window.showError(e.text() + QLatin1Char('\n') + e.reason()); // the system's reason under the message
        return false;
    } catch (const std::exception& e) {
        window.showError(QString::fromUtf8(e.what()));
        return false;
    }
    return true;
}
} // namespace

bool saveTemplateWithDialog(MainWindow& window) {
    const QString path = TemplateFileDialog::choose(TemplateFileDialog::Save, &window);
    return path.isEmpty() || writeTemplate(window, path);
}

bool closeQuery(MainWindow& window) {
    const auto answer = QMessageBox::question(&window, QStringLiteral("提示"), QStringLiteral("是否将改动保存到文件? "),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer != QMessageBox::Ok || saveTemplateWithDialog(window);
}
