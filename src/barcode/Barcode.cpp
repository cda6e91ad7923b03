#include "barcode/Barcode.h"

#include "barcode/BarcodePainter.h"
#include "common/MonoImage.h"

#include <algorithm>

namespace {
const char* const kCaptionTooLong = "String exceeds maximum length";
const char* const kBadSize = "Bar_SC_Size must be in the range 0..14!";
const char* const kBadRotation = "Bar_Rotate must be in the range rotate_000..rotate_270!";
const char* const kBadHeight = "Bar_HeightPercent must be in the range 20..200!";
} // namespace

BarcodeBase::BarcodeBase() : picture_(mono::create(69, 66)) {}

BarcodeBase::~BarcodeBase() = default;

const BarcodeParams& BarcodeBase::params() const {
    return encoder_.params();
}

void BarcodeBase::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = std::max(width, 1);
    height_ = std::max(height, 1);
    picture_ = mono::create(width_, height_);
    try {
        paint(); // with AutoSize the symbol's own size wins again
    } catch (const BarcodeError&) {
        // the picture stays white; drawError() tells why
    }
}

template <typename Apply> void BarcodeBase::change(Apply apply) {
    apply(encoder_.params());
    if (!drawingHeld_) paint();
}

void BarcodeBase::releaseDrawing() {
    drawingHeld_ = false;
    paint();
}

QByteArray BarcodeBase::Bar_Caption() const {
    return QByteArray::fromStdString(params().caption);
}

void BarcodeBase::SetBar_Caption(const QByteArray& gbk) {
    if (gbk.size() > kMaxCaptionLength) throw BarcodeError(kCaptionTooLong);
    change([&](BarcodeParams& p) { p.caption = gbk.toStdString(); });
}

QByteArray BarcodeBase::Bar_CodeAddon() const {
    return QByteArray::fromStdString(params().addon);
}

void BarcodeBase::SetBar_CodeAddon(const QByteArray& addon) {
    change([&](BarcodeParams& p) { p.addon = addon.toStdString(); });
}

void BarcodeBase::SetBar_CodeType(int type) {
    // Stored as one byte; a value of 14 or more (or a negative one, kept as 255) fails when drawn.
    const int stored = type < 0 || type > 255 ? 255 : type;
    change([&](BarcodeParams& p) { p.codeType = static_cast<std::uint8_t>(stored); });
}

void BarcodeBase::SetBar_ModuleWidth(int size) {
    if (size < 0 || size >= kBarcodeSizeCount) throw BarcodeError(kBadSize);
    change([&](BarcodeParams& p) { p.moduleWidth = static_cast<std::uint8_t>(size); });
}

void BarcodeBase::SetBar_Ratio(int ratio) {
    change([&](BarcodeParams& p) { p.ratio = ratio == Ratio_2 ? Ratio_2 : Ratio_3; });
}

void BarcodeBase::SetBar_Rotation(int rotation) {
    if (rotation < rotate_000 || rotation > rotate_270) throw BarcodeError(kBadRotation);
    change([&](BarcodeParams& p) { p.rotation = static_cast<std::uint8_t>(rotation); });
}

void BarcodeBase::SetBar_HeightPercent(int percent) {
    if (percent < 20 || percent > 200) throw BarcodeError(kBadHeight);
    change([&](BarcodeParams& p) { p.heightPercent = percent; });
}

QString BarcodeBase::Bar_Fontname() const {
    return QString::fromStdString(params().fontName);
}

void BarcodeBase::SetBar_Fontname(const QString& face) {
    change([&](BarcodeParams& p) { p.fontName = face.toStdString(); });
}

void BarcodeBase::SetBar_Fontscaling(int percent) {
    change([&](BarcodeParams& p) { p.fontScaling = std::clamp(percent, 20, 200); });
}

void BarcodeBase::SetBar_WidthReduce(bool on) {
    change([&](BarcodeParams& p) { p.widthReduce = on; });
}

void BarcodeBase::SetBar_HighDensity(bool on) {
    change([&](BarcodeParams& p) { p.highDensity = on; });
}

void BarcodeBase::SetBar_ZoomSize(bool on) {
    change([&](BarcodeParams& p) { p.zoomSize = on; });
}

void BarcodeBase::SetBar_HumanReadable(bool on) {
    change([&](BarcodeParams& p) { p.humanReadable = on; });
}

QByteArray BarcodeBase::symbolText() const {
    return QByteArray::fromStdString(encoder_.symbolText());
}

BarcodeLayout BarcodeBase::prepare() const {
    encoder_.encode();
    return layoutSymbol(encoder_);
}

QSize BarcodeBase::drawSymbol(QImage& canvas, int x0, int y0) const {
    const BarcodeLayout layout = prepare();
    paintLayout(canvas, x0, y0, layout, params().rotation, Bar_Fontname());
    return rotatedSize(layout, params().rotation);
}

void BarcodeBase::drawSymbolInRect(QImage& target, const QRect& rect) const {
    const BarcodeLayout layout = prepare();
    const QSize size = rotatedSize(layout, params().rotation);
    QImage symbol = mono::create(size.width(), size.height());
    paintLayout(symbol, 0, 0, layout, params().rotation, Bar_Fontname());
    stretchOnto(target, rect, symbol);
}

void BarcodeBase::repaint(bool resize) {
    try {
        const BarcodeLayout layout = prepare();
        const QSize size = resize ? rotatedSize(layout, params().rotation) : QSize(width_, height_);
        // Drawing cannot fail past this point, so the picture of that size is reused.
        if (picture_.size() == QSize(std::max(size.width(), 1), std::max(size.height(), 1)) &&
            mono::isNormalized(picture_))
            picture_.fill(0);
        else picture_ = mono::create(size.width(), size.height());
        paintLayout(picture_, 0, 0, layout, params().rotation, Bar_Fontname());
        width_ = size.width();
        height_ = size.height();
        drawError_.clear();
    } catch (const BarcodeError& e) {
        drawError_ = QString::fromUtf8(e.what());
        throw;
    }
}

void BarcodeBase::paint() {
    repaint(false);
}

void Barcode::setAutoSize(bool on) {
    autoSize_ = on;
    paint();
}

void Barcode::paint() {
    repaint(autoSize_);
}

const QStringList& barcodeTypeNames() {
    static const QStringList names{"EAN_8",       "EAN_13",   "UPC_A",     "UPC_E",      "CODE39",
                                   "CODE25i",     "CODE25iP", "CODE128_A", "CODE128_B",  "CODE128_C",
                                   "MSI_Plessey", "Codabar",  "Postnet",   "Postnet_FIM"};
    return names;
}
