#pragma once
// 设置/模板属性: template number, resolution and canvas width. Opening it
// stores a missing template number or resolution at once; OK stores "MoBan",
// "Zoom" and "Width" and the caller applies them.
#include "common/RegStore.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

class TemplateAttributesDialog : public QDialog {
    Q_OBJECT
public:
    TemplateAttributesDialog(const RegStore& store, int maxLength, const QStringList& dpiList,
                             QWidget* parent = nullptr);

    int moBan() const;
    QString resolution() const; // empty when no resolution is selected
    int canvasWidth() const;

    void accept() override;

private:
    void presetFromStore();

    RegStore store_;
    QSpinBox* moBan_;
    QComboBox* zoom_;
    QSpinBox* width_;
};
