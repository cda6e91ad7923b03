#include "model/FieldImage.h"

#include "common/MonoImage.h"

namespace {
// Size of an element before its kind has drawn it.
constexpr int kFirstWidth = 64;
constexpr int kFirstHeight = 32;
} // namespace

FieldImage::FieldImage() : picture_(mono::create(kFirstWidth, kFirstHeight)) {}

void FieldImage::setSize(int width, int height) {
    picture_ = mono::create(width, height);
}

void FieldImage::setBounds(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    setSize(width, height);
}

void FieldImage::setPicture(const QImage& picture) {
    if (picture.format() == QImage::Format_Mono && picture.colorTable() == QList<QRgb>{mono::kWhite, mono::kBlack})
        picture_ = picture;
    else picture_ = mono::fromImage(picture);
    if (picture_.isNull()) picture_ = mono::create(1, 1);
}
