#pragma once
// The property area's panels, one in front at a time: a panel per field kind
// and the general panel GrpBox_Main for no field.
#include "model/MessageTemplate.h"

#include <QWidget>
#include <array>

class FieldPanel;
class QStackedLayout;

class PropertyPanels : public QWidget {
    Q_OBJECT
public:
    explicit PropertyPanels(MessageTemplate& message, QWidget* parent = nullptr);

    // Takes the general panel (GrpBox_Main) and brings it to the front.
    void setMainPanel(QWidget* panel);
    void showMain();
    // Brings the panel of the element's kind to the front and fills it. A
    // filling that fails ("'abc' is not a valid integer value") stops there and
    // is shown in the error box.
    FieldPanel* showFor(FieldElement& element);
    // The faces the text string panel offers.
    void setStringFonts(const QStringList& faces);

    FieldPanel* panelFor(eStyle kind) const { return panels_[kind]; }
    QWidget* current() const;

private:
    QStackedLayout* stack_;
    QWidget* main_ = nullptr;
    std::array<FieldPanel*, kFieldKindCount> panels_{};
};
