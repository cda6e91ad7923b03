#pragma once
// What the panels of the four variable kinds (date, expiry, serial number,
// shift) share: the lead text list "前导符", the font height list "字高" and
// the spacing box "间距". The lead text and the height are stored at once and
// the field redrawn; the spacing is stored when the box is left or Enter is
// pressed in it. The preview size is that of the height the list shows.
#include "shell/panels/FieldPanel.h"

class QComboBox;

class VariablePanel : public FieldPanel {
    Q_OBJECT
protected:
    struct Names {
        QString panel, caption, prefix, leadList, heightList;
    };
    VariablePanel(MessageTemplate& message, eStyle kind, const Names& names, const QStringList& leads, QWidget* parent);

    // Shows UserExplain in the lead list, or selects "无" when it is empty
    // (when it is blank, too, if blankIsNone).
    void fillLead(const FieldImage& field, bool blankIsNone);
    // Selects the label of UserFontSize.
    void fillHeight(const FieldImage& field);
    void fillSpace(const FieldImage& field);

    // A date style list in the panel whose change stores the style code of
    // the item it shows (A0 for typed text that is no item).
    QComboBox* newStyleList(const QString& name);

    int previewPoints() const;
    QComboBox* leadList() const { return lead_; }
    QComboBox* heightList() const { return height_; }
    NumberBox* spaceBox() const { return space_; }

private:
    QComboBox* lead_;
    QComboBox* height_;
    NumberBox* space_;
};
