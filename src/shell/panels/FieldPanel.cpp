#include "shell/panels/FieldPanel.h"

#include "common/OperatorError.h"
#include "editor/TemplateKeys.h"
#include "shell/EditHistory.h"
#include "shell/ErrorBox.h"
#include "shell/panels/KeptValue.h"
#include "shell/panels/NumberBox.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <tuple>
#include <vector>

namespace {
constexpr int kTypedXMerge = 1; // the digits typed into X make one step, and so into Y
constexpr int kTypedYMerge = 2;
constexpr int kFirstBoxMerge = 3;
} // namespace

FieldPanel::FieldPanel(MessageTemplate& message, eStyle kind, const QString& name, const QString& caption,
                       const QString& boxPrefix, QWidget* parent)
    : QGroupBox(caption, parent), message_(message), kind_(kind), controls_(new QWidget(this)),
      grid_(new QGridLayout(controls_)), x_(new NumberBox(this)), y_(new NumberBox(this)) {
    setObjectName(name);
    x_->setObjectName(QStringLiteral("Edt%1_X").arg(boxPrefix));
    y_->setObjectName(QStringLiteral("Edt%1_Y").arg(boxPrefix));
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setHorizontalSpacing(4);
    grid_->setVerticalSpacing(4);
    x_->setFixedWidth(64);
    y_->setFixedWidth(64);

    auto* position = new QGridLayout;
    position->setContentsMargins(0, 0, 0, 0);
    position->addWidget(new QLabel(QStringLiteral("X"), this), 0, 0);
    position->addWidget(x_, 0, 1);
    position->addWidget(new QLabel(QStringLiteral("Y"), this), 1, 0);
    position->addWidget(y_, 1, 1);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 4);
    row->addWidget(controls_, 1);
    row->addLayout(position);

    connect(x_, &NumberBox::valueEdited, this, [this](int x) { moveSelected(x, std::nullopt); });
    connect(y_, &NumberBox::valueEdited, this, [this](int y) { moveSelected(std::nullopt, y); });
}

namespace {
// The controls a layout item holds that take the focus by Tab, in their order.
void tabStops(QLayoutItem* item, QList<QWidget*>& stops) {
    if (QWidget* w = item->widget()) {
        if (w->focusPolicy() & Qt::TabFocus) stops << w;
    } else if (QLayout* inner = item->layout()) {
        for (int i = 0; i < inner->count(); ++i) tabStops(inner->itemAt(i), stops);
    }
}
} // namespace

void FieldPanel::orderTabsByLayout() {
    std::vector<std::tuple<int, int, int>> cells; // row, column, item index
    for (int i = 0; i < grid_->count(); ++i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid_->getItemPosition(i, &row, &column, &rows, &columns);
        cells.emplace_back(row, column, i);
    }
    std::sort(cells.begin(), cells.end());
    QList<QWidget*> stops;
    for (const auto& [row, column, index] : cells) tabStops(grid_->itemAt(index), stops);
    stops << x_ << y_;
    for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);
}

void FieldPanel::showElement(FieldElement& element) {
    fillFrom(element);
    setPosition(element.templatePos());
}

void FieldPanel::fillFrom(FieldElement&) {}

void FieldPanel::setPosition(QPoint templatePoint) {
    x_->setValue(templatePoint.x());
    y_->setValue(templatePoint.y());
}

FieldElement* FieldPanel::selectedOfKind() const {
    FieldElement* e = message_.selectedElement();
    return e && e->kind() == kind_ ? e : nullptr;
}

void FieldPanel::moveSelected(std::optional<int> x, std::optional<int> y) {
    FieldElement* e = selectedOfKind();
    if (!e) return;
    const QPoint at = e->templatePos();
    try {
        if (x) keptValue(QStringLiteral("X"), spt::kLeft, *x);
        if (y) keptValue(QStringLiteral("Y"), spt::kTop, *y);
    } catch (const OperatorError& refusal) {
        setPosition(at);
        reportError(refusal.text());
        return;
    }
    recordEdit(
        *e, [&] { message_.moveTo(*e, x.value_or(at.x()), y.value_or(at.y())); }, x ? kTypedXMerge : kTypedYMerge);
}

void FieldPanel::recordEdit(FieldElement& element, const std::function<void()>& change, int mergeKey) {
    if (history_) history_->edit(element, tr("属性"), change, mergeKey);
    else change();
}

void FieldPanel::edit(const std::function<void(FieldImage&)>& store) {
    FieldElement* e = selectedOfKind();
    if (!e || !e->asField()) return;
    FieldImage& field = *e->asField();
    QString refusal;
    recordEdit(
        *e,
        [&] {
            const FieldImage before = field;
            try {
                store(field);
                redraw(field);
            } catch (const OperatorError& error) {
                field = before; // the element as it was: no undo step, nothing new to save
                refusal = error.text();
            }
            message_.notifyChanged(*e);
        },
        typingKey());
    if (refusal.isEmpty()) return;
    try {
        showElement(*e);
    } catch (const OperatorError&) {
        // a value the panel cannot show stays as it was shown; the refusal is what the operator is told
    }
    reportError(refusal);
}

// The keys typed into one text, number or editable list box of the panel, one
// after another, make one step; a choice from a list or a button is a step of its own.
int FieldPanel::typingKey() const {
    QWidget* focus = QApplication::focusWidget();
    const auto* list = qobject_cast<QComboBox*>(focus);
    const bool typed =
        qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus) || (list && list->isEditable());
    if (!typed || !isAncestorOf(focus)) return 0;
    return kFirstBoxMerge + static_cast<int>(qHash(focus->objectName()) % 1000000);
}

void FieldPanel::reportError(const QString& text) {
    showErrorBox(window(), text);
}
