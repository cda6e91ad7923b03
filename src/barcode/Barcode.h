#pragma once
// The barcode element: holds a barcode field's value and settings and draws the
// symbol (bars and the optional human-readable line) into a 1-bit picture of its
// own size. It is not a widget; the canvas shows its picture.
#include "barcode/BarcodeLayout.h"
#include "barcode/BarcodeTypes.h"
#include "barcode/SymbolEncoder.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>

// Setters with a range check refuse a bad value with BarcodeError before
// storing anything. Every setter then stores the value and repaints; a drawing
// failure ("ZurazAZ: Code128 error", "Barcode: Unknown Type of Barcode") is
// thrown from the setter as well, with the new value stored but the picture and
// size of the last good drawing kept (drawError() tells the last failure).
class BarcodeBase {
public:
    BarcodeBase(); // 69 x 66 until it first paints
    virtual ~BarcodeBase();

    int Left() const { return left_; }
    int Top() const { return top_; }
    void SetLeft(int left) { left_ = left; }
    void SetTop(int top) { top_ = top; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Moves and sizes the element and redraws it; a drawing failure is kept in drawError().
    void setBounds(int left, int top, int width, int height);
    const QImage& picture() const { return picture_; } // Format_Mono, Width() x Height()

    QByteArray Bar_Caption() const; // GBK bytes
    void SetBar_Caption(const QByteArray& gbk);
    QByteArray Bar_CodeAddon() const;
    void SetBar_CodeAddon(const QByteArray& addon);
    int Bar_CodeType() const { return params().codeType; } // btCodeTypes ordinal
    void SetBar_CodeType(int type);
    int Bar_ModuleWidth() const { return params().moduleWidth; } // 0..14 = SC0..SC14
    void SetBar_ModuleWidth(int size);
    int Bar_Ratio() const { return params().ratio; }
    void SetBar_Ratio(int ratio);
    int Bar_Rotation() const { return params().rotation; } // 0..3
    void SetBar_Rotation(int rotation);
    int Bar_HeightPercent() const { return params().heightPercent; } // 20..200
    void SetBar_HeightPercent(int percent);
    QString Bar_Fontname() const;
    void SetBar_Fontname(const QString& face);
    int Bar_Fontscaling() const { return params().fontScaling; } // 20..200
    void SetBar_Fontscaling(int percent);
    bool Bar_WidthReduce() const { return params().widthReduce; }
    void SetBar_WidthReduce(bool on);
    bool Bar_HighDensity() const { return params().highDensity; }
    void SetBar_HighDensity(bool on);
    bool Bar_ZoomSize() const { return params().zoomSize; }
    void SetBar_ZoomSize(bool on);
    bool Bar_HumanReadable() const { return params().humanReadable; }
    void SetBar_HumanReadable(bool on);

    // Symbol text of the last encoding (after transfer and check characters).
    QByteArray symbolText() const;
    // Message of the last failed drawing, empty after a good one.
    QString drawError() const { return drawError_; }

    // Encodes the caption and draws the symbol with its top-left corner at
    // (x0, y0) on the canvas; returns the symbol's width and height. Throws
    // BarcodeError on a drawing failure (nothing is drawn then).
    QSize drawSymbol(QImage& canvas, int x0, int y0) const;
    // Draws the symbol into a white off-screen picture of its own size and
    // stretches that onto rect of the target.
    void drawSymbolInRect(QImage& target, const QRect& rect) const;
    // Redraws the picture at the element's current size.
    virtual void paint();

    // While drawing is held, setters check and store their value but do not
    // draw; releasing draws once, throwing a drawing failure as a setter would.
    void holdDrawing() { drawingHeld_ = true; }
    void releaseDrawing();

protected:
    const BarcodeParams& params() const;
    // Draws into a fresh picture; on success stores it (and, when resize is
    // set, the symbol's size). Throws BarcodeError and keeps the old picture.
    void repaint(bool resize);
    // Encodes the caption and lays the symbol out; throws BarcodeError.
    BarcodeLayout prepare() const;

private:
    template <typename Apply> void change(Apply apply);

    mutable SymbolEncoder encoder_; // mutable: a Codabar drawing upper-cases the caption
    int left_ = 0;
    int top_ = 0;
    int width_ = 69;
    int height_ = 66;
    QImage picture_;
    QString drawError_;
    bool drawingHeld_ = false;
};

class Barcode : public BarcodeBase {
public:
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    void paint() override; // with AutoSize the element takes the symbol's size

private:
    bool autoSize_ = true;
};

// Items of the style list: "EAN_8", "EAN_13", ..., "Postnet_FIM"; index = btCodeTypes ordinal.
const QStringList& barcodeTypeNames();
