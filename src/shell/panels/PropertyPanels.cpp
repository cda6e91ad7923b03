#include "shell/panels/PropertyPanels.h"

#include "common/OperatorError.h"
#include "shell/ErrorBox.h"
#include "shell/panels/BarcodePanel.h"
#include "shell/panels/DatePanel.h"
#include "shell/panels/ImagePanel.h"
#include "shell/panels/PeriodPanel.h"
#include "shell/panels/SerialPanel.h"
#include "shell/panels/ShiftPanel.h"
#include "shell/panels/StringPanel.h"

#include <QStackedLayout>

PropertyPanels::PropertyPanels(MessageTemplate& message, QWidget* parent)
    : QWidget(parent), stack_(new QStackedLayout(this)) {
    stack_->setContentsMargins(0, 0, 0, 0);
    panels_[csBarCode] = new BarcodePanel(message, this);
    panels_[csImage] = new ImagePanel(message, this);
    panels_[csStr] = new StringPanel(message, this);
    panels_[csDate] = new DatePanel(message, this);
    panels_[csPeriod] = new PeriodPanel(message, this);
    panels_[csNo] = new SerialPanel(message, this);
    panels_[csRunNo] = new ShiftPanel(message, this);
    for (FieldPanel* panel : panels_) panel->orderTabsByLayout();
    for (FieldPanel* panel : panels_) stack_->addWidget(panel);
}

void PropertyPanels::setMainPanel(QWidget* panel) {
    main_ = panel;
    stack_->addWidget(panel);
    showMain();
}

void PropertyPanels::showMain() {
    if (main_) stack_->setCurrentWidget(main_);
}

FieldPanel* PropertyPanels::showFor(FieldElement& element) {
    FieldPanel* panel = panels_[element.kind()];
    stack_->setCurrentWidget(panel);
    try {
        panel->showElement(element);
    } catch (const OperatorError& failure) {
        showErrorBox(window(), failure.text());
    }
    return panel;
}

void PropertyPanels::setStringFonts(const QStringList& faces) {
    static_cast<StringPanel*>(panels_[csStr])->setFontList(faces);
}

QWidget* PropertyPanels::current() const {
    return stack_->currentWidget();
}

void PropertyPanels::setEditHistory(EditHistory* history) {
    for (FieldPanel* panel : panels_) panel->setEditHistory(history);
}
