#include "shell/FieldLayer.h"

#include "editor/PrintArea.h"

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
    selected_ = -1;
    for (FieldElement* e : message.elements()) track(*e);
    subscription_ = message.subscribe({
        .added = [this](FieldElement& e) { track(e); },
        .changed = [this](FieldElement& e) { track(e); },
        .removed = [this](int number) { forget(number); },
        .selectionChanged =
            [this](FieldElement* e) {
                if (const auto it = shown_.find(selected_); it != shown_.end()) update(paintedArea(it->second.rect));
                selected_ = e ? e->number() : -1;
                if (const auto it = shown_.find(selected_); it != shown_.end()) update(paintedArea(it->second.rect));
            },
    });
    if (const FieldElement* e = message.selectedElement()) selected_ = e->number();
    update();
}

void FieldLayer::setZoom(int zoom) {
    zoom_ = zoom;
    update();
}

QRect FieldLayer::onScreen(const QRect& dots) const {
    return {dots.topLeft() * zoom_, dots.size() * zoom_};
}

QRect FieldLayer::paintedArea(const QRect& dots) const {
    const int m = kOutlineWidth + 1;
    return onScreen(dots).adjusted(-m, -m, m, m);
}

void FieldLayer::setPrintWidth(int width) {
    printWidth_ = width;
    update();
}

QColor FieldLayer::outlineColor() {
    return QColor(0, 150, 255); // a bright blue: clear against white and against black dots
}

QColor FieldLayer::outsideColor() {
    return QColor(230, 0, 0);
}

QPoint FieldLayer::toPanel(QPointF screen) const {
    return {static_cast<int>(std::floor(screen.x() / zoom_)), static_cast<int>(std::floor(screen.y() / zoom_))};
}

void FieldLayer::track(const FieldElement& element) {
    Shown& s = shown_[element.number()];
    const QRect before = s.rect;
    s.rect = QRect(element.Left(), element.Top(), element.Width(), element.Height());
    update(QRegion(paintedArea(before)) + QRegion(paintedArea(s.rect)));
}

void FieldLayer::forget(int number) {
    const auto it = shown_.find(number);
    if (it == shown_.end()) return;
    update(paintedArea(it->second.rect));
    if (selected_ == number) selected_ = -1;
    shown_.erase(it);
}

void FieldLayer::paintEvent(QPaintEvent* event) {
    if (!message_) return;
    QPainter painter(this);
    const QRegion& dirty = event->region();
    painter.scale(zoom_, zoom_); // no smoothing: each dot stays a crisp square
    for (const FieldElement* e : message_->elements()) {
        const auto it = shown_.find(e->number());
        if (it == shown_.end() || !dirty.intersects(onScreen(it->second.rect))) continue;
        painter.drawImage(it->second.rect.topLeft(), e->picture()); // converted a row at a time, never kept
    }
    painter.resetTransform();
    paintMarks(painter);
}

// In screen dots, so that the marks keep their width at every zoom.
void FieldLayer::paintMarks(QPainter& painter) {
    const QPoint canvasAt(21, 21); // the template's (0, 0) on the panel
    for (const FieldElement* e : message_->elements()) {
        const auto it = shown_.find(e->number());
        if (it == shown_.end()) continue;
        const QRegion outside = outsidePrintArea(it->second.rect.translated(-canvasAt), printWidth_);
        for (const QRect& r : outside) {
            const QRect screen = onScreen(r.translated(canvasAt));
            painter.fillRect(screen, QBrush(outsideColor(), Qt::BDiagPattern));
            painter.fillRect(screen, QColor(outsideColor().red(), 0, 0, 40));
        }
    }
    const auto it = shown_.find(selected_);
    if (it == shown_.end()) return;
    const QRect r = onScreen(it->second.rect);
    const int w = kOutlineWidth;
    QRegion ring(r.adjusted(-w, -w, w, w));
    ring -= QRegion(r);
    for (const QRect& band : ring) painter.fillRect(band, outlineColor());
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
