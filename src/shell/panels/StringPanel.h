#pragma once
// The property panel of a text string field (GrpBox_Str): the text, its font
// (face, size in points, bold, italic, underline) and spacing.
#include "shell/panels/FieldPanel.h"

class QComboBox;
class QLineEdit;
class QToolButton;

class StringPanel : public FieldPanel {
    Q_OBJECT
public:
    explicit StringPanel(MessageTemplate& message, QWidget* parent = nullptr);

    // The faces offered in CombStr_Font (the host's, known only after start-up).
    void setFontList(const QStringList& faces);

protected:
    void fillFrom(FieldElement& element) override;
    void redraw(FieldImage& field) override;

private:
    QToolButton* newStyleButton(const char* name, const QString& caption, bool FieldFont::*style);
    void changeFont(const std::function<void(FieldFont&)>& change);
    void storeSize(const QString& text);

    QComboBox* face_;
    QComboBox* size_;
    QToolButton* bold_;
    QToolButton* italic_;
    QToolButton* underline_;
    QLineEdit* source_;
    NumberBox* space_;
};
