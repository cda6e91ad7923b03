#include "shell/FieldLayer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

FieldLayer::FieldLayer(QWidget* panel) : QWidget(panel) {
    setAttribute(Qt::WA_NoSystemBackground);
}

FieldLayer::~FieldLayer() {
    if (message_) message_->unsubscribe(subscription_);
}

void FieldLayer::showTemplate(MessageTemplate& message) {
    if (message_) message_->unsubscribe(subscription_);
    message_ = &message;
    shown_.clear();
    for (FieldElement* e : message.elements()) track(*e);
    subscription_ = message.subscribe({
        .added = [this](FieldElement& e) { track(e); },
        .changed = [this](FieldElement& e) { track(e); },
        .removed = [this](int number) { forget(number); },
        .selectionChanged = {},
    });
    update();
}

void FieldLayer::track(const FieldElement& element) {
    Shown& s = shown_[element.Number()];
    const QRect before = s.rect;
    s.rect = QRect(element.Left(), element.Top(), element.Width(), element.Height());
    const QImage& picture = element.Picture();
    // A move leaves the picture as it was: only a redraw converts it again.
    if (s.pixmap.isNull() || s.pictureKey != picture.cacheKey()) {
        s.pixmap = QPixmap::fromImage(picture);
        s.pictureKey = picture.cacheKey();
    }
    update(QRegion(before) + QRegion(s.rect));
}

void FieldLayer::forget(int number) {
    const auto it = shown_.find(number);
    if (it == shown_.end()) return;
    update(it->second.rect);
    shown_.erase(it);
}

void FieldLayer::paintEvent(QPaintEvent* event) {
    if (!message_) return;
    QPainter painter(this);
    const QRegion& dirty = event->region();
    for (const FieldElement* e : message_->elements()) {
        const auto it = shown_.find(e->Number());
        if (it == shown_.end() || !dirty.intersects(it->second.rect)) continue;
        painter.drawPixmap(it->second.rect.topLeft(), it->second.pixmap);
    }
}

void FieldLayer::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position().toPoint());
}

void FieldLayer::mouseMoveEvent(QMouseEvent* event) {
    emit dragged(event->position().toPoint());
}

void FieldLayer::mouseReleaseEvent(QMouseEvent*) {
    emit released();
}
