#include "shell/panels/VariablePanel.h"

#include "common/TextPieces.h"
#include "model/DateStyles.h"
#include "model/FontTable.h"
#include "shell/panels/KeptValue.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PanelControls.h"

#include <QComboBox>
#include <QGridLayout>

VariablePanel::VariablePanel(MessageTemplate& message, eStyle kind, const Names& names, const QStringList& leads,
                             QWidget* parent)
    : FieldPanel(message, kind, names.panel, names.caption, names.prefix, parent),
      lead_(newList(controlsArea(), names.leadList, leads, true)),
      height_(newList(controlsArea(), names.heightList, fontHeightLabels(), true)),
      space_(new NumberBox(controlsArea())) {
    space_->setObjectName(QStringLiteral("Edt%1_Space").arg(names.prefix));
    space_->setFixedWidth(64);
    lead_->setMinimumContentsLength(8);
    height_->setMinimumContentsLength(8);
    addLabelled(controlsGrid(), 0, 0, tr("前导符"), lead_);
    addLabelled(controlsGrid(), 0, 1, tr("字高"), height_);

    connect(lead_, &QComboBox::editTextChanged, this,
            [this] { edit([this](FieldImage& f) { f.SetUserExplain(keptText(tr("前导符"), leadTextOf(*lead_))); }); });
    connect(height_, &QComboBox::editTextChanged, this,
            [this](const QString& label) { edit([label](FieldImage& f) { f.SetUserFontSize(labelToDots(label)); }); });
    connect(space_, &NumberBox::valueCommitted, this, [this](int space) {
        edit([space](FieldImage& f) { f.SetUserSpace(keptValue(tr("间距"), spt::kUserSpace, space)); });
    });
}

void VariablePanel::fillLead(const FieldImage& field, bool blankIsNone) {
    const QString lead = field.UserExplain();
    const bool none = blankIsNone ? trimBlanks(lead).isEmpty() : lead.isEmpty();
    if (none) selectListItem(*lead_, 0);
    else showListText(*lead_, lead);
}

void VariablePanel::fillHeight(const FieldImage& field) {
    selectListItem(*height_, height_->findText(dotsToLabel(field.UserFontSize())));
}

void VariablePanel::fillSpace(const FieldImage& field) {
    space_->setValue(field.UserSpace());
}

QComboBox* VariablePanel::newStyleList(const QString& name) {
    QComboBox* list = newDateStyleList(controlsArea(), name);
    connect(list, &QComboBox::editTextChanged, this,
            [this, list] { edit([list](FieldImage& f) { f.SetUserValue(styleIndexToCode(shownIndex(*list))); }); });
    return list;
}

int VariablePanel::previewPoints() const {
    return labelToPoints(height_->currentText());
}
