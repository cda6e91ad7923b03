#include "shell/TemplateCommands.h"

#include "common/AtomicWrite.h"
#include "common/RegStore.h"
#include "editor/TemplateFile.h"
#include "shell/CanvasArea.h"
#include "shell/MainWindow.h"
#include "shell/RecentFiles.h"
#include "shell/RecoveryCopy.h"
#include "shell/TemplateFileDialog.h"
#include "shell/TemplateState.h"
#include "shell/panels/PropertyPanels.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTemporaryDir>

namespace {
TemplateAttributes attributesOf(MainWindow& window) {
    const AppSettings& s = window.settings();
    return {s.width, window.canvasArea()->canvasHeight(), s.moBan, s.resolution};
}

// Removes the elements 0..64; the general panel comes forward.
void clearTemplate(MainWindow& window) {
    window.messageTemplate().clear(0);
    window.recoveryCopy()->setOrigin({});
    window.propertyPanels()->showMain();
    window.refreshSummary();
}

// The template cleared, then the file's; false when the file stopped the opening.
bool loadInto(MainWindow& window, const QString& path) {
    clearTemplate(window);
    bool whole = true;
    try {
        loadTemplate(window.messageTemplate(), path,
                     [&](const TemplateAttributes& a) { applyTemplateAttributes(window, a); });
    } catch (const OperatorError& e) {
        window.showError(e.text()); // what was rebuilt before the failure stays
        whole = false;
    }
    // The last field is selected; a barcode's panel is filled at once.
    if (FieldElement* last = window.messageTemplate().selectedElement(); last && last->isBarcode())
        window.propertyPanels()->showFor(*last);
    window.refreshSummary();
    return whole;
}
} // namespace

void newTemplate(MainWindow& window) {
    replaceTemplateAsStep(window, QCoreApplication::translate("TemplateCommands", "新建"), [&] {
        clearTemplate(window);
        return true;
    });
    window.markUnmodified();
}

void openTemplateFile(MainWindow& window, const QString& path) {
    bool whole = false;
    replaceTemplateAsStep(window, QCoreApplication::translate("TemplateCommands", "打开"), [&] {
        whole = loadInto(window, path);
        window.recoveryCopy()->setOrigin(path);
        return true;
    });
    if (!whole) return;
    window.markUnmodified();
    TemplateFileDialog::rememberFolder(path);
    RecentFiles::add(window.store(), path);
    emit window.recentFilesChanged();
}

bool offerRecovery(MainWindow& window) {
    const std::optional<LeftRecoveryCopy> left = RecoveryCopy::left();
    if (!left) return false;
    RecoveryCopy* copy = window.recoveryCopy();
    const auto answer =
        QMessageBox::question(&window, QCoreApplication::translate("TemplateCommands", "提示"),
                              QCoreApplication::translate("TemplateCommands", "检测到未保存的模板，是否恢复？"),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::Yes) {
        copy->remove();
        return false;
    }
    // Opened from a file of its own: opening begins anew, which removes the copy.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("recovered.spt"));
    if (const QString reason = writeFileAtomically(path, left->bytes); !reason.isEmpty()) {
        window.showError(reason);
        return false;
    }
    loadInto(window, path);
    window.clearEditHistory();
    copy->setOrigin(left->origin);
    copy->setProposal(left->origin);
    copy->writeNow(); // unsaved work: kept until it is saved or the editor ends cleanly
    return true;
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
            &window, QCoreApplication::translate("TemplateCommands", "提示"),
            QCoreApplication::translate("TemplateCommands",
                                        "以下文字含有无法保存的字符：%1\n是否用“?”代替这些字符并保存？")
                .arg(fieldsGbkCannotHold(window.messageTemplate(), keys)
                         .join(QCoreApplication::translate("TemplateCommands", "，"))),
            QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) return false;
        lost = LostCharacters::WriteAsQuestionMarks;
    }
    try {
        saveTemplate(window.messageTemplate(), attributes, path, lost);
    } catch (const TemplateFileError& e) {
        window.showError(e.text() + QLatin1Char('\n') + e.reason()); // the system's reason under the message
        return false;
    } catch (const OperatorError& e) {
        window.showError(e.text());
        return false;
    }
    window.markUnmodified();
    window.recoveryCopy()->setOrigin(path);
    RecentFiles::add(window.store(), path);
    emit window.recentFilesChanged();
    window.recoveryCopy()->setProposal({});
    TemplateFileDialog::rememberFolder(path);
    return true;
}
} // namespace

bool saveTemplateWithDialog(MainWindow& window) {
    const QString path =
        TemplateFileDialog::choose(TemplateFileDialog::Save, &window, window.recoveryCopy()->proposal());
    return path.isEmpty() || writeTemplate(window, path);
}

bool closeQuery(MainWindow& window) {
    const auto answer = QMessageBox::question(&window, QCoreApplication::translate("TemplateCommands", "提示"),
                                              QCoreApplication::translate("TemplateCommands", "是否将改动保存到文件? "),
                                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    return answer != QMessageBox::Ok || saveTemplateWithDialog(window);
}
