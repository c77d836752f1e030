#include "autor.h"

#include "okna/rozvrzeni.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

#ifndef VINULA_HOMEPAGE
#error "VINULA_HOMEPAGE is set by the build"
#endif
#ifndef VINULA_EMAIL
#error "VINULA_EMAIL is set by the build"
#endif
#ifndef VINULA_VERZE
#error "VINULA_VERZE is set by the build"
#endif

namespace vinula {

namespace {

QLabel *odkaz(QWidget *rodic, const char *jmeno, const QString &text, QRect kde) {
    QLabel *label = novyPopisek(rodic, jmeno, text, kde);
    QFont f = pismoInformaci(11); // 8.25 points at 96 dots an inch
    f.setUnderline(true);
    label->setFont(f);
    label->setCursor(Qt::PointingHandCursor);
    QPalette barvy = label->palette();
    barvy.setColor(QPalette::WindowText, barvy.color(QPalette::Link));
    label->setPalette(barvy);
    return label;
}

// The desktop opens the address in its own time; whether it could is not
// reported to the user.
void otevri(const QUrl &adresa) {
    QDesktopServices::openUrl(adresa);
}

} // namespace

Autor::Autor(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("autor"));
    setWindowTitle(QStringLiteral("O aplikaci"));
    setFont(pismoInformaci(11));
    setFixedSize(sirka, vyska);

    Label1 =
        novyPopisek(this, "Label1", QStringLiteral("VINULA - editor"), zTwipu(240, 240, 2265, 375));
    QFont titulek = pismoInformaci(18); // 13.5 points at 96 dots an inch
    titulek.setBold(true);
    Label1->setFont(titulek);
    Label2 = novyPopisek(this, "Label2", QStringLiteral("Verze " VINULA_VERZE),
                         zTwipu(360, 720, 2010, 255));
    lblHomepage = odkaz(this, "lblHomepage", domovskaStranka(), zTwipu(360, 1440, 1575, 195));
    lblEmail = odkaz(this, "lblEmail", email(), zTwipu(360, 1680, 1755, 195));

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/info/ryba.xpm")));
    Picture1->setGeometry(zTwipu(2760, 240, 1935, 1575));

    for (QLabel *label : {Label1, Label2, lblHomepage, lblEmail, Picture1})
        label->installEventFilter(this);
}

QString Autor::domovskaStranka() {
    return QStringLiteral(VINULA_HOMEPAGE);
}

QString Autor::email() {
    return QStringLiteral(VINULA_EMAIL);
}

void Autor::Label1_Click() {
    close();
}

void Autor::Label2_Click() {
    close();
}

void Autor::Picture1_Click() {
    close();
}

void Autor::lblHomepage_Click() {
    // An address without a scheme ("www.…") is a web address, as the shell
    // would take it.
    otevri(QUrl::fromUserInput(domovskaStranka()));
}

void Autor::lblEmail_Click() {
    otevri(QUrl(QStringLiteral("mailto:") + email()));
}

void Autor::Form_MouseDown(Qt::MouseButton) {
    close();
}

void Autor::mousePressEvent(QMouseEvent *event) {
    Form_MouseDown(event->button());
}

bool Autor::eventFilter(QObject *watched, QEvent *event) {
    auto *label = qobject_cast<QLabel *>(watched);
    const bool nase = label && label->parentWidget() == this;
    if (!nase)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Kept from the window, whose own press handler closes it.
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *mys = static_cast<QMouseEvent *>(event);
        if (!label->rect().contains(mys->position().toPoint()))
            return true;
        const bool leve = mys->button() == Qt::LeftButton;
        if (label == lblHomepage) {
            if (leve)
                lblHomepage_Click();
        } else if (label == lblEmail) {
            if (leve)
                lblEmail_Click();
        } else if (label == Label1) {
            Label1_Click();
        } else if (label == Label2) {
            Label2_Click();
        } else if (label == Picture1) {
            Picture1_Click();
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace vinula
