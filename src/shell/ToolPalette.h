#pragma once
// The tool palette Panel1: nine 29 x 29 buttons stacked from the top (arrow,
// the seven field kinds, delete). They form one group in which at most one is
// down; a down button is released by clicking it again. The arrow is down at start.
#include "model/FieldKind.h"

#include <QFrame>
#include <array>
#include <optional>

class QToolButton;

class ToolPalette : public QFrame {
    Q_OBJECT
public:
    enum Tool { Cursor, BarCode, Image, Str, Date, Period, No, RunNo, Del };
    static constexpr int kToolCount = 9;

    explicit ToolPalette(QWidget* parent = nullptr);

    QToolButton* button(Tool tool) const { return buttons_[tool]; }
    // The field kind whose button is down, if one is.
    std::optional<eStyle> downKind() const;
    // The arrow down and every other button up; runs no click handler.
    void pressArrow();

    // The kind a tool button places (the seven kind buttons only).
    static std::optional<eStyle> kindOf(Tool tool);

signals:
    // After a click has put the button down or released it.
    void clicked(ToolPalette::Tool tool);

private:
    void onClicked(Tool tool, bool down);

    std::array<QToolButton*, kToolCount> buttons_{};
};
