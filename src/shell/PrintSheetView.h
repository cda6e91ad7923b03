#pragma once
// The prints of the print preview, one screen pixel a printer dot. The sheet
// stays a 1-bit picture; a repaint turns only the part on screen into
// colours, so a sheet as wide as the widest message costs its bits alone.
#include <QImage>
#include <QWidget>

class PrintSheetView : public QWidget {
public:
    explicit PrintSheetView(QWidget* parent = nullptr);
    // Shows the sheet (a null picture: nothing) and takes its size.
    void setSheet(QImage sheet);
    const QImage& sheet() const { return sheet_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage sheet_;
};
