#include "plocha.h"

#include "kresleni.h"

#include <QMouseEvent>
#include <QPainter>

namespace vinula {

Plocha::Plocha(QWidget *parent) : QFrame(parent), obraz_(kresleni::novaPlocha()) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(ramecek);
    setFixedSize(kresleni::sirkaPlochy + 2 * ramecek, kresleni::vyskaPlochy + 2 * ramecek);
    // Every move over the surface updates the title, button held or not.
    setMouseTracking(true);
    // The buffer covers the whole inside; nothing behind it needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Plocha::ukaz(const QRect &oblast) {
    update(oblast.translated(ramecek, ramecek));
}

void Plocha::ukazVse() {
    update();
}

void Plocha::paintEvent(QPaintEvent *event) {
    QPainter painter(this);
    const QRect cil = event->rect().intersected(contentsRect());
    painter.drawImage(cil, obraz_, cil.translated(-ramecek, -ramecek));
    painter.end();
    QFrame::paintEvent(event); // the frame
}

QPointF Plocha::naPlochu(const QPointF &bod) const {
    return bod - QPointF(ramecek, ramecek);
}

bool Plocha::naKresbe(const QPointF &bod) {
    return bod.x() >= 0 && bod.y() >= 0 && bod.x() < kresleni::sirkaPlochy &&
           bod.y() < kresleni::vyskaPlochy;
}

// The frame is no part of the drawing area: a press on it starts nothing, and
// a move over it counts only while a button pressed inside is held.
void Plocha::mousePressEvent(QMouseEvent *event) {
    const QPointF bod = naPlochu(event->position());
    const bool drziJine = (event->buttons() & ~event->button()) != Qt::NoButton;
    if (!naKresbe(bod) && !(stiskUvnitr_ && drziJine)) {
        stiskUvnitr_ = false;
        return;
    }
    stiskUvnitr_ = true;
    emit mouseDown(event->button(), event->modifiers(), static_cast<float>(bod.x()),
                   static_cast<float>(bod.y()));
}

void Plocha::mouseMoveEvent(QMouseEvent *event) {
    const QPointF bod = naPlochu(event->position());
    if (!naKresbe(bod) && !(stiskUvnitr_ && event->buttons() != Qt::NoButton))
        return;
    emit mouseMove(event->buttons(), event->modifiers(), static_cast<float>(bod.x()),
                   static_cast<float>(bod.y()));
}

void Plocha::mouseReleaseEvent(QMouseEvent *event) {
    const QPointF bod = naPlochu(event->position());
    if (event->buttons() == Qt::NoButton)
        stiskUvnitr_ = false;
    emit mouseUp(event->button(), event->modifiers(), static_cast<float>(bod.x()),
                 static_cast<float>(bod.y()));
}

} // namespace vinula
