#include "shell/panels/ImagePanel.h"

#include "model/FieldError.h"
#include "model/FieldRender.h"
#include "shell/panels/KeptValue.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

std::optional<ImagePanel::Choice> choosePictureFile(QWidget* parent) {
    const QStringList filters{QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("JPEG Image File (*.jpg)"),
                              QStringLiteral("JPEG Image File (*.jpeg)")};
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const bool bitmap = dialog.selectedNameFilter() == filters.first();
    return ImagePanel::Choice{dialog.selectedFiles().first(), bitmap ? PictureType::Bmp : PictureType::Jpeg};
}

ImagePanel::ImagePanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csImage, QStringLiteral("GrpBox_Image"), tr("图片属性"), QStringLiteral("Image"), parent),
      source_(new QLineEdit(controlsArea())), width_(new NumberBox(controlsArea())),
      height_(new NumberBox(controlsArea())), chooser_(choosePictureFile) {
    source_->setObjectName(QStringLiteral("EdtImage_Source"));
    source_->setMaxLength(510);
    auto* add = new QToolButton(controlsArea());
    add->setObjectName(QStringLiteral("SpedBtn_TitleAdd"));
    add->setText(QStringLiteral("..."));
    add->setToolTip(tr("载入游走字幕文件"));
    width_->setObjectName(QStringLiteral("EdtImage_Width"));
    height_->setObjectName(QStringLiteral("EdtImage_Height"));
    height_->setRange(1, 128);
    height_->setValue(32);

    QGridLayout* grid = controlsGrid();
    grid->addWidget(new QLabel(tr("来源"), controlsArea()), 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(source_, 0, 1, 1, 3);
    grid->addWidget(add, 0, 4);
    auto* size = new QHBoxLayout;
    size->addWidget(width_);
    size->addWidget(new QLabel(tr("高"), controlsArea()));
    size->addWidget(height_);
    size->addStretch(1);
    grid->addWidget(new QLabel(tr("宽"), controlsArea()), 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(size, 1, 1, 1, 3);
    source_->setMinimumWidth(400);
    width_->setFixedWidth(64);
    height_->setFixedWidth(64);
    grid->setColumnStretch(5, 1);

    connect(source_, &QLineEdit::textChanged, this, [this](const QString& path) {
        if (FieldElement* e = selectedOfKind()) e->asField()->SetUserValue(path);
    });
    connect(add, &QToolButton::clicked, this, &ImagePanel::loadChosenPicture);
    connect(width_, &NumberBox::valueCommitted, this, [this](int w) { resize(w, std::nullopt); });
    connect(height_, &NumberBox::valueCommitted, this, [this](int h) { resize(std::nullopt, h); });
}

void ImagePanel::loadChosenPicture() {
    if (!selectedOfKind()) return;
    const std::optional<Choice> choice = chooser_(window());
    FieldElement* e = selectedOfKind();
    if (!choice || !e) return;
    source_->setText(choice->path);
    try {
        loadFieldPictureAs(*e->asField(), choice->path, choice->type);
    } catch (const FieldError&) {
        // A chosen file that cannot be read is passed over: the field keeps its picture.
    }
    message().notifyChanged(*e);
}

void ImagePanel::resize(std::optional<int> width, std::optional<int> height) {
    QString unreadable;
    edit([&](FieldImage& f) {
        const int w = width ? keptValue(tr("宽"), spt::kPictureWidth, *width) : f.Width();
        resetFieldBox(f, w, std::max(1, height.value_or(f.Height())));
        // A picture that cannot be read again leaves the new size white: the
        // resize stands, the operator is told.
        try {
            if (!f.UserValue().isEmpty()) loadFieldPicture(f, f.UserValue());
        } catch (const FieldError& error) {
            unreadable = error.text();
        }
    });
    if (!unreadable.isEmpty()) reportError(unreadable);
}

void ImagePanel::fillFrom(FieldElement& element) {
    const FieldImage& field = *element.asField();
    source_->setText(field.UserValue());
    width_->setValue(field.Width());
    height_->setValue(field.Height());
}
