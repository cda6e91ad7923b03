#include "shell/panels/PanelControls.h"

#include "model/DateStyles.h"
#include "model/FieldImage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

QComboBox* newList(QWidget* parent, const QString& name, const QStringList& items, bool editable) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(editable);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMaxVisibleItems(16);
    list->addItems(items);
    return list;
}

void addLabelled(QGridLayout* grid, int row, int column, const QString& label, QWidget* control, const QString& unit) {
    QWidget* owner = grid->parentWidget();
    grid->addWidget(new QLabel(label, owner), row, 2 * column, Qt::AlignRight | Qt::AlignVCenter);
    if (unit.isEmpty()) {
        grid->addWidget(control, row, 2 * column + 1);
        return;
    }
    auto* cell = new QHBoxLayout;
    cell->setSpacing(3);
    cell->addWidget(control, 1);
    cell->addWidget(new QLabel(unit, owner));
    grid->addLayout(cell, row, 2 * column + 1);
}

int shownIndex(const QComboBox& list) {
    return list.findText(list.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void showListText(QComboBox& list, const QString& text) {
    const QSignalBlocker quiet(list);
    list.setCurrentIndex(list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    list.setEditText(text);
}

void selectListItem(QComboBox& list, int index) {
    const QSignalBlocker quiet(list);
    list.setCurrentIndex(index);
    if (index < 0 && list.isEditable()) list.setEditText(QString());
}

QString leadTextOf(const QComboBox& list) {
    return shownIndex(list) == 0 ? QString() : list.currentText();
}

QComboBox* newDateStyleList(QWidget* parent, const QString& name) {
    QComboBox* list = newList(parent, name, dateStyleSamples(), true);
    list->setMinimumContentsLength(16);
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(-1);
    list->setEditText(dateStyleSample(1)); // shown, but no item chosen
    return list;
}

void fillDateStyle(QComboBox& list, const FieldImage& field) {
    const int index = styleCodeToIndex(field.UserValue());
    selectListItem(list, index >= 0 && index < kDateStyleCount ? index : -1);
}
