#include "shell/ToolPalette.h"

#include "model/FieldKind.h"

#include "shell/PaletteIcons.h"

#include <QToolButton>

namespace {
constexpr int kButtonSize = 29;
constexpr int kFirstTop = 4;
constexpr int kButtonLeft = 6;

// The seven field kinds sit between the cursor and 删除组件, in the order of
// eStyle; their tips are the kinds' own words.
constexpr const char* kNames[ToolPalette::kToolCount] = {
    "SpedBtn_Cursor", "SpedBtn_BarCode", "SpedBtn_Image", "SpedBtn_Str", "SpedBtn_Date",
    "SpedBtn_Period", "SpedBtn_No",      "SpedBtn_RunNo", "SpedBtn_Del",
};

QString tipOf(ToolPalette::Tool tool) {
    if (tool == ToolPalette::Cursor) return {};
    if (tool == ToolPalette::Del) return ToolPalette::tr("删除组件");
    return kindHint(static_cast<eStyle>(tool - ToolPalette::BarCode));
}
} // namespace

ToolPalette::ToolPalette(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedWidth(41);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    for (int i = 0; i < kToolCount; ++i) {
        const auto tool = static_cast<Tool>(i);
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kNames[i]));
        b->setToolTip(tipOf(tool));
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setIcon(paletteIcon(tool));
        b->setIconSize(QSize(21, 21));
        b->setGeometry(kButtonLeft, kFirstTop + i * kButtonSize, kButtonSize, kButtonSize);
        connect(b, &QToolButton::clicked, this, [this, tool](bool down) { onClicked(tool, down); });
        buttons_[i] = b;
    }
    pressArrow();
}

std::optional<eStyle> ToolPalette::kindOf(Tool tool) {
    if (tool == Cursor || tool == Del) return std::nullopt;
    return static_cast<eStyle>(tool - BarCode);
}

std::optional<eStyle> ToolPalette::downKind() const {
    for (int i = BarCode; i <= RunNo; ++i)
        if (buttons_[i]->isChecked()) return kindOf(static_cast<Tool>(i));
    return std::nullopt;
}

void ToolPalette::pressArrow() {
    for (QToolButton* b : buttons_) b->setChecked(b == buttons_[Cursor]);
}

void ToolPalette::onClicked(Tool tool, bool down) {
    if (down)
        for (QToolButton* b : buttons_)
            if (b != buttons_[tool]) b->setChecked(false);
    emit clicked(tool);
}
