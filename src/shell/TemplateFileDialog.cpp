#include "shell/TemplateFileDialog.h"

#include "common/Gbk.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// A template file is a few kilobytes; more than this is not read for a preview.
constexpr qint64 kPreviewBytes = 64 * 1024;

QString& lastFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString withSptSuffix(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1String(".spt"), Qt::CaseInsensitive)) return path;
    return path + QStringLiteral(".spt");
}

QString previewText(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return gbk::decode(file.read(kPreviewBytes));
}

TemplateFileDialog::TemplateFileDialog(Purpose purpose, QWidget* parent) : QFileDialog(parent) {
    setObjectName(purpose == Open ? QStringLiteral("OpenDialog") : QStringLiteral("SaveDialog"));
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setNameFilter(QStringLiteral("spt配置文档(*.spt)"));
    setDefaultSuffix(QStringLiteral("spt"));
    setAcceptMode(purpose == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(purpose == Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!lastFolder().isEmpty()) setDirectory(lastFolder());

    preview_ = new QPlainTextEdit;
    preview_->setObjectName(QStringLiteral("Preview"));
    preview_->setReadOnly(true);
    preview_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    preview_->setMinimumWidth(220);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(preview_, 0, grid->columnCount(), grid->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, this, &TemplateFileDialog::showPreview);
    // a name typed into the file name box is previewed as soon as it names a file
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
        connect(name, &QLineEdit::textChanged, this, [this](const QString& text) {
            if (!text.isEmpty()) showPreview(directory().absoluteFilePath(text));
        });
    resize(860, 440);
}

void TemplateFileDialog::showPreview(const QString& path) {
    preview_->setPlainText(previewText(path));
}

QString TemplateFileDialog::choose(Purpose purpose, QWidget* parent) {
    TemplateFileDialog dialog(purpose, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().constFirst();
    if (purpose == Save) path = withSptSuffix(path);
    lastFolder() = QFileInfo(path).absolutePath();
    return path;
}
