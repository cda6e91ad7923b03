#pragma once
// The frame every field's property panel shares: a captioned group box for one
// field kind with the X and Y boxes of the field's template position. A change
// typed into X or Y moves the selected field there at once, within the
// positions a template file keeps.
// Each kind's panel derives from it and puts its own controls in controlsArea().
#include "model/MessageTemplate.h"

#include <QGroupBox>
#include <functional>

class EditHistory;
class NumberBox;
class QGridLayout;

class FieldPanel : public QGroupBox {
    Q_OBJECT
public:
    // name: the panel's objectName ("GrpBox_Str"); boxPrefix names the X/Y boxes
    // ("Str" gives EdtStr_X and EdtStr_Y).
    FieldPanel(MessageTemplate& message, eStyle kind, const QString& name, const QString& caption,
               const QString& boxPrefix, QWidget* parent = nullptr);

    eStyle kind() const { return kind_; }
    // Fills the panel from the element (its own properties, then X and Y).
    void showElement(FieldElement& element);
    // Shows a template position in the X and Y boxes.
    void setPosition(QPoint templatePoint);
    NumberBox* xBox() const { return x_; }
    NumberBox* yBox() const { return y_; }
    void setEditHistory(EditHistory* history) { history_ = history; }
    // Tab goes through the kind's controls as they are laid out, row by row,
    // left to right, then to X and Y (not in the order they were made).
    void orderTabsByLayout();

protected:
    // Fills the kind's own controls from the element; the frame fills X and Y.
    virtual void fillFrom(FieldElement& element);
    // Where a kind's own controls go, left of the position boxes, and the grid
    // that lays them out (see addLabelled).
    QWidget* controlsArea() const { return controls_; }
    QGridLayout* controlsGrid() const { return grid_; }
    MessageTemplate& message() const { return message_; }
    // The selected element when it is of this panel's kind, else none: every
    // handler of a panel checks this first and does nothing without it.
    FieldElement* selectedOfKind() const;
    // Runs change on the element as one undoable step: change sets the
    // properties, redraws and calls message().notifyChanged. Changes of one
    // mergeKey (not 0) to one element in a row are one step (typing).
    void recordEdit(FieldElement& element, const std::function<void()>& change, int mergeKey = 0);
    // The handlers' common course for the kinds drawn as a FieldImage: when the
    // selected element is of this kind, store() changes it, redraw() draws it
    // with the panel's current choices, and the canvas is told. An edit either
    // of them refuses (an OperatorError: a value the file would not keep, a
    // field too large to draw) puts the element back as it was, with no undo
    // step, shows its values in the panel again and goes to the error box.
    void edit(const std::function<void(FieldImage&)>& store);
    virtual void redraw(FieldImage&) {}
    // The application's error box over this panel's window.
    void reportError(const QString& text);
    // The merge key of the edits of the text box that has the focus (0: none).
    int typingKey() const;

private:
    void moveSelected(std::optional<int> x, std::optional<int> y);

    MessageTemplate& message_;
    eStyle kind_;
    QWidget* controls_;
    QGridLayout* grid_;
    NumberBox* x_;
    NumberBox* y_;
    EditHistory* history_ = nullptr;
};
