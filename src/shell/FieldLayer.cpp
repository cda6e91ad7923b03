#include "shell/FieldLayer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

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

void FieldLayer::setZoom(int zoom) {
    zoom_ = zoom;
    update();
}

QRect FieldLayer::onScreen(const QRect& dots) const {
    return {dots.topLeft() * zoom_, dots.size() * zoom_};
}

QPoint FieldLayer::toPanel(QPointF screen) const {
    return {static_cast<int>(std::floor(screen.x() / zoom_)), static_cast<int>(std::floor(screen.y() / zoom_))};
}

void FieldLayer::track(const FieldElement& element) {
    Shown& s = shown_[element.Number()];
    const QRect before = s.rect;
    s.rect = QRect(element.Left(), element.Top(), element.Width(), element.Height());
    update(QRegion(onScreen(before)) + QRegion(onScreen(s.rect)));
}

void FieldLayer::forget(int number) {
    const auto it = shown_.find(number);
    if (it == shown_.end()) return;
    update(onScreen(it->second.rect));
    shown_.erase(it);
}

void FieldLayer::paintEvent(QPaintEvent* event) {
    if (!message_) return;
    QPainter painter(this);
    const QRegion& dirty = event->region();
    painter.scale(zoom_, zoom_); // no smoothing: each dot stays a crisp square
    for (const FieldElement* e : message_->elements()) {
        const auto it = shown_.find(e->Number());
        if (it == shown_.end() || !dirty.intersects(onScreen(it->second.rect))) continue;
        painter.drawImage(it->second.rect.topLeft(), e->Picture()); // converted a row at a time, never kept
    }
}

void FieldLayer::mousePressEvent(QMouseEvent* event) {
    emit pressed(toPanel(event->position()));
}

void FieldLayer::mouseMoveEvent(QMouseEvent* event) {
    emit dragged(toPanel(event->position()));
}

void FieldLayer::mouseReleaseEvent(QMouseEvent*) {
    emit released();
}
