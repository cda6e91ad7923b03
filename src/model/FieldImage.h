#pragma once
// The field element of every kind but barcodes: a position and size on the
// editing surface, a 1-bit picture of that size, and nine properties whose
// setters only store (drawing is always an explicit step, see FieldRender.h).
#include "model/FieldKind.h"

#include <QImage>
#include <QString>
#include <cstdint>

// The font of an element's drawing surface. The colour is always black.
struct FieldFont {
    QString name = QStringLiteral("宋体");
    int size = 12; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const FieldFont&) const = default;
};

class FieldImage {
public:
    FieldImage();

    // Surface position and size in dots; the picture always has the same size.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return picture_.width(); }
    int Height() const { return picture_.height(); }
    void SetLeft(int left) { left_ = left; }
    void SetTop(int top) { top_ = top; }
    // A new size gives a new white picture of that size (sizes below 1 are 1).
    void setSize(int width, int height);
    void setBounds(int left, int top, int width, int height);

    // Format_Mono with the mono:: colour table (index 1 is a dot).
    const QImage& picture() const { return picture_; }
    // Takes the picture and its size (reduced to one bit if it is not yet).
    void setPicture(const QImage& picture);

    eStyle UserStyle() const { return style_; }
    void SetUserStyle(eStyle style) { style_ = style; }
    QString UserValue() const { return value_; }
    void SetUserValue(const QString& value) { value_ = value; }
    std::int32_t UserFontSize() const { return fontSize_; }
    void SetUserFontSize(std::int32_t dots) { fontSize_ = dots; }
    std::int32_t UserSpace() const { return space_; }
    void SetUserSpace(std::int32_t dots) { space_ = dots; }
    QString UserExplain() const { return explain_; }
    void SetUserExplain(const QString& lead) { explain_ = lead; }
    FieldFont UserFont() const { return font_; }
    void SetUserFont(const FieldFont& font) { font_ = font; }
    std::int32_t UserPeriod() const { return period_; }
    void SetUserPeriod(std::int32_t days) { period_ = days; }
    std::int32_t UserNoDigit() const { return noDigit_; }
    void SetUserNoDigit(std::int32_t digits) { noDigit_ = digits; }
    std::int32_t UserIncrement() const { return increment_; }
    void SetUserIncrement(std::int32_t step) { increment_ = step; }

private:
    int left_ = 0;
    int top_ = 0;
    QImage picture_;

    eStyle style_ = csBarCode;
    QString value_;
    std::int32_t fontSize_ = 0;
    std::int32_t space_ = 0;
    QString explain_;
    FieldFont font_;
    std::int32_t period_ = 0;
    std::int32_t noDigit_ = 0;
    std::int32_t increment_ = 0;
};
