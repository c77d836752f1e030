#pragma once

#include <QDialog>

class QLabel;

namespace vinula {

// The help window `Navod`: one page of text; a click anywhere closes it.
class Navod : public QDialog {
    Q_OBJECT
public:
    static constexpr int sirka = 614; // client area
    static constexpr int vyska = 263;

    explicit Navod(QWidget *parent = nullptr);

    // The help text: five paragraphs, an empty line after the first.
    static QString text();

    void Label1_Click();
    void Form_MouseDown(Qt::MouseButton Button);

    QLabel *Label1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vinula
