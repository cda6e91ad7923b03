#include "shell/TemplateFileDialog.h"

#include "common/Gbk.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>

namespace {
// A template file is a few kilobytes; more than this is not read for a preview.
constexpr qint64 kPreviewBytes = 64 * 1024;

QString& lastFolder() {
    static QString folder;
    return folder;
}

// Icons and type names from the file's kind alone. Qt's own provider asks the
// MIME database, which reads a file's first bytes to guess its type: a FIFO
// or a file of /proc (kmsg) would block the list for good.
class PlainIconProvider : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override {
        return QApplication::style()->standardIcon(type == File ? QStyle::SP_FileIcon : QStyle::SP_DirIcon);
    }
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QCoreApplication::translate("TemplateFileDialog", "文件夹");
        return info.suffix().isEmpty()
                   ? QCoreApplication::translate("TemplateFileDialog", "文件")
                   : QCoreApplication::translate("TemplateFileDialog", "%1 文件").arg(info.suffix().toUpper());
    }
};

// One for the program: the dialogs' list models use it from their own threads.
QAbstractFileIconProvider* plainIcons() {
    static PlainIconProvider provider;
    return &provider;
}
} // namespace

QString withSptSuffix(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1String(".spt"), Qt::CaseInsensitive)) return path;
    return path + QStringLiteral(".spt");
}

QString previewText(const QString& path) {
    // Only a regular file with bytes in it: a device, a FIFO or a file of /proc
    // (whose size reads as 0) could block the read.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() == 0) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return gbk::decode(file.read(kPreviewBytes));
}

TemplateFileDialog::TemplateFileDialog(Purpose purpose, QWidget* parent) : QFileDialog(parent) {
    setObjectName(purpose == Open ? QStringLiteral("OpenDialog") : QStringLiteral("SaveDialog"));
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite);
    setOption(QFileDialog::DontUseCustomDirectoryIcons);
    setIconProvider(plainIcons());
    setNameFilter(tr("spt配置文档(*.spt)"));
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

QString TemplateFileDialog::choose(Purpose purpose, QWidget* parent, const QString& proposal) {
    TemplateFileDialog dialog(purpose, parent);
    if (!proposal.isEmpty()) dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    QString path = dialog.selectedFiles().constFirst();
    if (purpose == Save) path = withSptSuffix(path);
    return path;
}

void TemplateFileDialog::rememberFolder(const QString& path) {
    lastFolder() = QFileInfo(path).absolutePath();
}
