#include "shell/panels/FieldPanel.h"

#include "shell/ErrorBox.h"
#include "shell/panels/NumberBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

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

void FieldPanel::showElement(FieldElement& element) {
    fillFrom(element);
    setPosition(element.TemplatePos());
}

void FieldPanel::fillFrom(FieldElement&) {}

void FieldPanel::setPosition(QPoint templatePoint) {
    x_->setValue(templatePoint.x());
    y_->setValue(templatePoint.y());
}

FieldElement* FieldPanel::selectedOfKind() const {
    FieldElement* e = message_.SelectedControl();
    return e && e->Kind() == kind_ ? e : nullptr;
}

void FieldPanel::moveSelected(std::optional<int> x, std::optional<int> y) {
    FieldElement* e = selectedOfKind();
    if (!e) return;
    const QPoint at = e->TemplatePos();
    message_.moveTo(*e, x.value_or(at.x()), y.value_or(at.y()));
}

void FieldPanel::edit(const std::function<void(FieldImage&)>& store) {
    FieldElement* e = selectedOfKind();
    if (!e || !e->AsField()) return;
    try {
        store(*e->AsField());
        redraw(*e->AsField());
    } catch (const std::exception& failure) {
        message_.notifyChanged(*e);
        reportError(QString::fromUtf8(failure.what()));
        return;
    }
    message_.notifyChanged(*e);
}

void FieldPanel::reportError(const QString& text) {
    showErrorBox(window(), text);
}
