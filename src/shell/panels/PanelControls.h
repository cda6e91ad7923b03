#pragma once
// Building blocks the property panels share: lists, labelled cells of a
// panel's grid, and reading what a list shows.
#include <QString>
#include <QStringList>

class FieldImage;
class QComboBox;
class QGridLayout;
class QWidget;

// A list named name with the items; an editable list also takes typed text.
// Typed text never becomes an item.
QComboBox* newList(QWidget* parent, const QString& name, const QStringList& items, bool editable);

// Puts the label and the control in cell pair `column` of the row (label in
// grid column 2 * column, control right of it), with an optional unit after it.
void addLabelled(QGridLayout* grid, int row, int column, const QString& label, QWidget* control,
                 const QString& unit = {});

// The item whose text is the text the list shows, -1 when none is (typed text).
int shownIndex(const QComboBox& list);

// Shows the text in an editable list, or selects the item, without firing the
// list's change handlers (a list filled by program is not edited).
void showListText(QComboBox& list, const QString& text);
void selectListItem(QComboBox& list, int index);

// The lead text of a "前导符" list: empty when it shows its first item ("无"),
// otherwise whatever it shows, typed or chosen.
QString leadTextOf(const QComboBox& list);

// A date style list (CombDate_Style, CombPeriod_Style): the ten samples, item i
// is style i; it starts showing "2006-01-10" with no item chosen.
QComboBox* newDateStyleList(QWidget* parent, const QString& name);
// Selects the style of a field's UserValue (no item outside 0..9). A code that
// is no hexadecimal number throws "'$<code>' is not a valid integer value".
void fillDateStyle(QComboBox& list, const FieldImage& field);
