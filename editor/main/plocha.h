#pragma once

#include <QFrame>
#include <QImage>

namespace vinula {

// The editing surface: a 600 x 400 drawing area in a sunken frame 2 pixels
// wide. It keeps its pixels in a back buffer that the main window draws into;
// a paint event only presents the buffer.
class Plocha : public QFrame {
    Q_OBJECT
public:
    static constexpr int ramecek = 2;

    explicit Plocha(QWidget *parent = nullptr);

    QImage &obraz() { return obraz_; }
    const QImage &obraz() const { return obraz_; }
    // Presents a changed part of the buffer (buffer coordinates).
    void ukaz(const QRect &oblast);
    void ukazVse();
    // Forgets a press whose release will not come here (another window took
    // the mouse).
    void prerusStisk() { stiskUvnitr_ = false; }

signals:
    // Positions are in drawing-area pixels: (0, 0) is the top-left pixel
    // inside the frame.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, float x, float y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPointF naPlochu(const QPointF &bod) const;
    static bool naKresbe(const QPointF &bod);

    bool stiskUvnitr_ = false; // a button went down on the drawing area and is held

    QImage obraz_;
};

} // namespace vinula
