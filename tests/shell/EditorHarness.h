#pragma once
// The main window offscreen for the editing tests, and an answerer of the
// message boxes that open while a test runs.
#include "shell/CanvasArea.h"
#include "shell/FieldLayer.h"
#include "shell/MainWindow.h"
#include "shell/panels/NumberBox.h"
#include "shell/panels/PropertyPanels.h"
#include "support/TestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <vector>

// Chooses an item with the mouse in the list's drop-down.
inline void choose(QComboBox* list, int index) {
    list->showPopup();
    QAbstractItemView* view = list->view();
    const QModelIndex item = view->model()->index(index, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

// The main window offscreen with its canvas 512 x 128 (the default width).
struct Editor {
    ScopedStore store;
    QTemporaryDir dir;
    MainWindow window{dir.filePath("Config.ini"), store};
    MessageTemplate& model = window.messageTemplate();

    QToolButton* button(const char* name) { return window.findChild<QToolButton*>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    QWidget* layer() { return window.canvasArea()->fieldLayer(); }
    // A press and release at a point of Pnl_Main.
    void pressPanel(QPoint p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(layer(), b, {}, p);
        QTest::mouseRelease(layer(), b, {}, p);
    }
    void drag(QPoint from, QPoint to, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(layer(), b, {}, from);
        QTest::mouseMove(layer(), to);
        QTest::mouseRelease(layer(), b, {}, to);
    }
    FieldElement& place(const char* kindButton, QPoint canvasPoint) {
        click(kindButton);
        pressPanel(canvasPoint + QPoint(21, 21));
        return *model.selectedElement();
    }
    QString text(const char* box) { return window.findChild<NumberBox*>(box)->text(); }
    QWidget* front() { return window.propertyPanels()->current(); }
};

struct BoxSeen {
    QString title, text;
    QMessageBox::Icon icon;
};
// Answers the message box that opens while it lives with the button, noting it.
class BoxAnswer {
public:
    BoxAnswer(QMessageBox::StandardButton answer) {
        QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.push_back({box->windowTitle(), box->text(), box->icon()});
                box->button(answer)->click();
            }
        });
        timer_.start(10);
    }
    std::vector<BoxSeen> seen;

private:
    QTimer timer_;
};
