#pragma once

#include <QDialog>

class QLabel;

namespace vinula {

// The about window `autor`: title, version, the fish and two links. A click
// anywhere but on a link closes it.
class Autor : public QDialog {
    Q_OBJECT
public:
    static constexpr int sirka = 327; // client area
    static constexpr int vyska = 168;

    explicit Autor(QWidget *parent = nullptr);

    // The addresses chosen when the program was built.
    static QString domovskaStranka();
    static QString email();

    void Label1_Click();
    void Label2_Click();
    void Picture1_Click();
    void lblHomepage_Click();
    void lblEmail_Click();
    void Form_MouseDown(Qt::MouseButton Button);

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblHomepage = nullptr;
    QLabel *lblEmail = nullptr;
    QLabel *Picture1 = nullptr;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vinula
