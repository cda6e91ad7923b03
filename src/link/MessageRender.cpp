#include "link/MessageRender.h"

#include "common/Gbk.h"
#include "common/MonoImage.h"
#include "link/BackgroundPacking.h"
#include "link/FieldSettings.h"
#include "link/Frame.h"
#include "link/SendRefused.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// The element's picture without its outermost ring of dots.
void copyInterior(QImage& background, const FieldElement& e) {
    const QPoint at = e.templatePos();
    mono::copyRect(background, at + QPoint(1, 1), e.picture(), QRect(1, 1, e.Width() - 2, e.Height() - 2));
}

QByteArray fieldBytes(const FieldImage& f, const FieldPlace& place) {
    switch (f.UserStyle()) {
    case csDate: return dateFieldBytes(place, f.UserValue());
    case csPeriod: return periodFieldBytes(place, f.UserValue(), f.UserPeriod());
    case csNo: return serialFieldBytes(place, f.UserNoDigit(), f.UserValue(), f.UserIncrement());
    default: return shiftFieldBytes(place, f.UserValue());
    }
}

// The lead text goes into the background; the value starts right after it.
void renderVariable(RenderedMessage& out, const FieldElement& e) {
    const FieldImage& f = *e.asField();
    const QPoint at = e.templatePos();
    int x = at.x();
    const QByteArray lead = gbk::encode(f.UserExplain());
    if (!lead.isEmpty()) {
        const int lw = leadWidth(lead, f.UserFontSize(), f.UserSpace());
        mono::copyRect(out.background, at + QPoint(1, 1), e.picture(), QRect(1, 1, lw - 2, e.Height() - 2));
        x += lw;
    }
    const auto slot = std::find(kVariableKinds.begin(), kVariableKinds.end(), f.UserStyle()) - kVariableKinds.begin();
    out.fields[slot] = fieldBytes(f, {f.UserFontSize(), x, at.y(), f.UserSpace()});
}

} // namespace

RenderedMessage renderMessage(const MessageTemplate& message, int width) {
    RenderedMessage out;
    out.background = mono::create(width, kPrintHeight);
    for (const FieldElement* e : message.addressable()) {
        if (e->isBarcode()) {
            const QPoint at = e->templatePos();
            e->asBarcode()->drawSymbolInRect(out.background, QRect(at, QSize(e->Width(), e->Height())));
        } else if (isVariableKind(e->kind())) {
            renderVariable(out, *e);
        } else if (e->kind() == csImage || e->kind() == csStr) {
            copyInterior(out.background, *e);
        }
    }
    return out;
}

MessagePlan planMessage(const MessageTemplate& message, const SendSettings& settings) {
    MessagePlan plan;
    if (settings.moBan < 0 || settings.moBan > 255)
        throw SendRefused(QCoreApplication::translate("MessageRender", "模板号 %1 超出范围 0..255")
                              .arg(settings.moBan)
                              .toStdString());
    const int columns = scaledWidth(settings.widthMode, settings.resolution, settings.width);
    const int chunks = chunkCount(qint64(columns) * (kPrintHeight / 8));
    if (chunks > kMaxChunks)
        throw SendRefused(
            QCoreApplication::translate("MessageRender", "背景数据过长：%1 列需要 %2 个数据包，打印机最多接收 %3 个")
                .arg(columns)
                .arg(chunks)
                .arg(kMaxChunks)
                .toStdString());
    RenderedMessage rendered = renderMessage(message, settings.width);
    plan.moBan = static_cast<quint8>(settings.moBan);
    plan.resolution = static_cast<quint8>(resolutionNumber(settings.dpiList, settings.resolution) & 0xFF);
    if (columns > 0) { // scaled as packed columns, then unpacked for whoever wants to see it
        plan.packed = scalePackedColumns(packColumns(rendered.background), kPrintHeight / 8, columns);
        plan.scaled = unpackColumns(plan.packed, columns, kPrintHeight);
    }
    plan.fields = std::move(rendered.fields);
    return plan;
}
