#include "shell/ToolPalette.h"

#include "shell/PaletteIcons.h"

#include <QToolButton>

namespace {
constexpr int kButtonSize = 29;
constexpr int kFirstTop = 4;
constexpr int kButtonLeft = 6;

struct ButtonSpec {
    const char* name;
    const char* tip;
};
constexpr ButtonSpec kSpecs[ToolPalette::kToolCount] = {
    {"SpedBtn_Cursor", ""},
    {"SpedBtn_BarCode", QT_TRANSLATE_NOOP("ToolPalette", "条形码")},
    {"SpedBtn_Image", QT_TRANSLATE_NOOP("ToolPalette", "图像")},
    {"SpedBtn_Str", QT_TRANSLATE_NOOP("ToolPalette", "字符串")},
    {"SpedBtn_Date", QT_TRANSLATE_NOOP("ToolPalette", "时间")},
    {"SpedBtn_Period", QT_TRANSLATE_NOOP("ToolPalette", "有效期")},
    {"SpedBtn_No", QT_TRANSLATE_NOOP("ToolPalette", "序号")},
    {"SpedBtn_RunNo", QT_TRANSLATE_NOOP("ToolPalette", "班次")},
    {"SpedBtn_Del", QT_TRANSLATE_NOOP("ToolPalette", "删除组件")},
};
} // namespace

ToolPalette::ToolPalette(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedWidth(41);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    for (int i = 0; i < kToolCount; ++i) {
        const auto tool = static_cast<Tool>(i);
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kSpecs[i].name));
        b->setToolTip(tr(kSpecs[i].tip));
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
