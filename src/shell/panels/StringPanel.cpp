#include "shell/panels/StringPanel.h"

#include "common/NumberText.h"
#include "model/FieldError.h"
#include "model/FieldRender.h"
#include "model/FontTable.h"
#include "shell/panels/KeptValue.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

StringPanel::StringPanel(MessageTemplate& message, QWidget* parent)
    : FieldPanel(message, csStr, QStringLiteral("GrpBox_Str"), tr("字符串属性"), QStringLiteral("Str"), parent),
      face_(newList(controlsArea(), QStringLiteral("CombStr_Font"), {}, true)),
      size_(newList(controlsArea(), QStringLiteral("CombStr_FontSize"),
                    {"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"},
                    true)),
      bold_(newStyleButton("SptnStr_Bold", tr("粗体"), &FieldFont::bold)),
      italic_(newStyleButton("SptnStr_Italic", tr("斜体"), &FieldFont::italic)),
      underline_(newStyleButton("SptnStr_Underline", tr("下划线"), &FieldFont::underline)),
      source_(new QLineEdit(controlsArea())), space_(new NumberBox(controlsArea())) {
    selectListItem(*size_, 1);
    face_->setMinimumContentsLength(14);
    size_->setMinimumContentsLength(3); // three digits stay in view
    size_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    source_->setObjectName(QStringLiteral("EdtStr_Source"));
    space_->setObjectName(QStringLiteral("EdtStr_Space"));
    space_->setFixedWidth(64);

    auto* styles = new QHBoxLayout;
    styles->setSpacing(2);
    for (QToolButton* b : {bold_, italic_, underline_}) styles->addWidget(b);
    QGridLayout* grid = controlsGrid();
    addLabelled(grid, 0, 0, tr("字体"), face_);
    addLabelled(grid, 0, 1, tr("字号"), size_);
    grid->addLayout(styles, 0, 4, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("内容文本"), controlsArea()), 1, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(source_, 1, 1, 1, 3);
    addLabelled(grid, 1, 2, tr("间距"), space_);
    grid->setColumnStretch(6, 1);

    connect(source_, &QLineEdit::textChanged, this, [this](const QString& text) {
        edit([text](FieldImage& f) { f.SetUserValue(keptText(tr("内容文本"), text)); });
    });
    connect(face_, &QComboBox::editTextChanged, this, [this](const QString& name) {
        changeFont([name](FieldFont& font) { font.name = keptText(tr("字体"), printerFaceForName(name)); });
    });
    connect(size_, &QComboBox::editTextChanged, this, &StringPanel::storeSize);
    connect(space_, &NumberBox::valueCommitted, this, [this](int space) {
        edit([space](FieldImage& f) { f.SetUserSpace(keptValue(tr("间距"), spt::kSpace, space)); });
    });
}

QToolButton* StringPanel::newStyleButton(const char* name, const QString& caption, bool FieldFont::*style) {
    auto* button = new QToolButton(controlsArea());
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setCheckable(true);
    // A pressed style button stands out at a glance, whatever the widget style.
    button->setStyleSheet(
        QStringLiteral("QToolButton { padding: 2px 6px; border: 1px solid #8a8a8a; border-radius: 2px; }"
                       "QToolButton:checked { background: #2f6fd0; color: white;"
                       " border-color: #1d4f9a; font-weight: bold; }"));
    connect(button, &QToolButton::clicked, this,
            [this, style](bool down) { changeFont([style, down](FieldFont& font) { font.*style = down; }); });
    return button;
}

void StringPanel::setFontList(const QStringList& faces) {
    const QSignalBlocker quiet(face_);
    face_->clear();
    face_->addItems(faces);
}

void StringPanel::changeFont(const std::function<void(FieldFont&)>& change) {
    edit([&change](FieldImage& f) {
        FieldFont font = f.UserFont();
        change(font);
        f.SetUserFont(font);
    });
}

void StringPanel::storeSize(const QString& text) {
    if (text.isEmpty() || !selectedOfKind()) return;
    const auto points = readInt(text);
    if (!points) {
        reportError(notAnInteger(text).text());
        return;
    }
    changeFont([&points](FieldFont& font) { font.size = keptValue(tr("字号"), spt::kFontSize, *points); });
}

void StringPanel::fillFrom(FieldElement& element) {
    const FieldImage& field = *element.asField();
    const FieldFont font = field.UserFont();
    source_->setText(field.UserValue());
    showListText(*face_, displayNameForFace(font.name));
    showListText(*size_, QString::number(font.size));
    bold_->setChecked(font.bold);
    italic_->setChecked(font.italic);
    underline_->setChecked(font.underline);
    space_->setValue(field.UserSpace());
}

void StringPanel::redraw(FieldImage& field) {
    drawStringField(field, field.UserValue(), field.UserFont(), field.UserSpace());
}
