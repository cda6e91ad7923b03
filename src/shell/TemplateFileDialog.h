#pragma once
// The file dialogs of 打开 and 保存: one filter, "spt配置文档(*.spt)", and a
// preview pane that shows the selected file's text (GBK) wrapped to the pane.
// Saving replaces an existing file without asking. The list is decorated from
// each file's kind alone: no file is opened but the selected one, for the preview.
#include <QFileDialog>

class QPlainTextEdit;

class TemplateFileDialog : public QFileDialog {
    Q_OBJECT
public:
    enum Purpose { Open, Save };
    TemplateFileDialog(Purpose purpose, QWidget* parent = nullptr);

    // The confirmed path, ".spt" added to a name typed without it; empty when
    // cancelled. proposal: a path the dialog starts on, selected.
    static QString choose(Purpose purpose, QWidget* parent, const QString& proposal = {});
    // The next dialog starts in the path's folder: called once an open or a save succeeded.
    static void rememberFolder(const QString& path);

private:
    void showPreview(const QString& path);

    QPlainTextEdit* preview_;
};

// "a/b" -> "a/b.spt"; a name already ending in ".spt" (any case) is kept.
QString withSptSuffix(const QString& path);
// The text a preview shows: the file's first bytes, GBK decoded; empty for no
// readable file and for anything but a regular file with bytes in it.
QString previewText(const QString& path);
