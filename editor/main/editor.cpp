#include "editor.h"

#include "dialogs/kontrola.h"
#include "dialogs/nacteni.h"
#include "dialogs/rozmisteni.h"
#include "dialogs/zapsani.h"
#include "info/autor.h"
#include "info/navod.h"
#include "kresleni.h"
#include "okna/rozvrzeni.h"
#include "plocha.h"
#include "room/promenne.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QTimer>
#include <chrono>

namespace vinula {

namespace {

constexpr int sirkaOkna = 618; // client area below the menu bar
constexpr int vyskaOkna = 418;
constexpr int plochaX = 7;
constexpr int plochaY = 8;

// A menu item named as its menu entry, with its caption, shortcut and handler.
template <typename Handler>
QAction *akce(Editor *okno, const char *jmeno, const QString &text, const QKeySequence &zkratka,
              Handler handler) {
    auto *polozka = new QAction(text, okno);
    polozka->setObjectName(QLatin1String(jmeno));
    polozka->setShortcut(zkratka);
    QObject::connect(polozka, &QAction::triggered, okno, handler);
    return polozka;
}

} // namespace

Editor::Editor(QWidget *parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("editor"));
    setWindowTitle(QStringLiteral("Vinula - editor místností"));

    auto *klient = new QWidget(this);
    klient->setFixedSize(sirkaOkna, vyskaOkna);
    auto *Line1 = new QWidget(klient);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(0, 0, sirkaOkna, 1);
    Line1->setAutoFillBackground(true);
    QPalette barvaCary = Line1->palette();
    barvaCary.setColor(QPalette::Window, QColor(128, 128, 128));
    Line1->setPalette(barvaCary);

    plocha = new Plocha(klient);
    plocha->setObjectName(QStringLiteral("plocha"));
    plocha->move(plochaX, plochaY);
    setCentralWidget(klient);

    createActions();
    createMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(plocha, &Plocha::mouseDown, this, &Editor::plocha_MouseDown);
    connect(plocha, &Plocha::mouseMove, this, &Editor::plocha_MouseMove);
    connect(plocha, &Plocha::mouseUp, this, &Editor::plocha_MouseUp);

    Form_Load();

    Timer1 = new QTimer(this);
    Timer1->setInterval(20);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &Editor::Timer1_Timer);
    Timer1->start();
}

Editor::~Editor() {
    qApp->removeEventFilter(this);
}

void Editor::createActions() {
    mrizka = akce(this, "mrizka", QStringLiteral("&Mřížka"), Qt::CTRL | Qt::Key_M,
                  &Editor::mrizka_Click);
    mrizka->setCheckable(true);
    rozmistit = akce(this, "rozmistit", QStringLiteral("&Rozmístit"), Qt::CTRL | Qt::Key_R,
                     &Editor::rozmistit_Click);
    vycistit = akce(this, "vycistit", QStringLiteral("&Vyčistit plochu"), Qt::CTRL | Qt::Key_V,
                    &Editor::vycistit_Click);
    ulozit =
        akce(this, "ulozit", QStringLiteral("Ul&ožit místnost"), Qt::Key_F2, &Editor::ulozit_Click);
    nacist =
        akce(this, "nacist", QStringLiteral("&Načíst místnost"), Qt::Key_F3, &Editor::nacist_Click);
    ukoncit = akce(this, "ukoncit", QStringLiteral("&Ukončit"), Qt::CTRL | Qt::Key_U,
                   &Editor::ukoncit_Click);
    popis = akce(this, "popis", QStringLiteral("&Popis"), Qt::Key_F1, &Editor::popis_Click);
    oaplikaci = akce(this, "oaplikaci", QStringLiteral("&O aplikaci"), Qt::Key_F12,
                     &Editor::oaplikaci_Click);
}

void Editor::createMenus() {
    nastaveni = menuBar()->addMenu(QStringLiteral("&Program"));
    nastaveni->setObjectName(QStringLiteral("nastaveni"));
    nastaveni->addAction(mrizka);
    nastaveni->addAction(rozmistit);
    nastaveni->addAction(vycistit);
    nastaveni->addSeparator()->setObjectName(QStringLiteral("oddelovac2"));
    nastaveni->addAction(ulozit);
    nastaveni->addAction(nacist);
    nastaveni->addSeparator()->setObjectName(QStringLiteral("oddelovac"));
    nastaveni->addAction(ukoncit);

    napov = menuBar()->addMenu(QStringLiteral("&Nápověda"));
    napov->setObjectName(QStringLiteral("napov"));
    napov->addAction(popis);
    napov->addAction(oaplikaci);
}

void Editor::Form_Load() {
    mistnost.vycistiOblast();
    vycistiPlochu();
    promenne.nazev_mistnosti.clear();
    stisk_shift = false;
    promenne.dotyk = true;
    promenne.nazev_souboru.clear();
    obnovMrizku();
    promenne.pozadavek_nacteni = false;
    promenne.predmet = 0;
    // Key preview: Shift must reach the window whichever child has the focus.
    qApp->installEventFilter(this);
}

void Editor::Form_Unload() {
    QWidget *const poradi[] = {predmety, autor, nacteni, Navod, zapsani, rozmisteni};
    for (QWidget *okno : poradi)
        if (okno)
            okno->close();
}

void Editor::closeEvent(QCloseEvent *event) {
    Form_Unload();
    Timer1->stop();
    event->accept();
}

bool Editor::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type typ = event->type();
    // A modal window takes the mouse: the release of a button held on the
    // surface goes to it, or nowhere, so the stroke ends here.
    if (typ == QEvent::WindowBlocked && watched == this)
        prerusTah();
    if (typ == QEvent::KeyPress || typ == QEvent::KeyRelease) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            const int klavesa = static_cast<QKeyEvent *>(event)->key();
            const int kod = klavesa == Qt::Key_Shift ? klavesaShift : klavesa;
            if (typ == QEvent::KeyPress)
                Form_KeyDown(kod);
            else
                Form_KeyUp(kod);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Editor::prerusTah() {
    leve_tlacitko = false;
    plocha->prerusStisk();
}

// Drawing ------------------------------------------------------------------

void Editor::vykresliBunku(int x, int y, int kod) {
    kresleni::vykresliBunku(plocha->obraz(), x, y, kod);
    plocha->ukaz(kresleni::obdelnikBunky(x, y));
}

void Editor::vlozObrazek(int x, int y, const QImage &obrazek) {
    kresleni::vlozObrazek(plocha->obraz(), x, y, obrazek);
    plocha->ukaz(kresleni::obdelnikBunky(x, y));
}

void Editor::prekreslit() {
    kresleni::prekreslit(plocha->obraz(), mistnost);
    plocha->ukazVse();
}

void Editor::vycistiPlochu() {
    kresleni::vycisti(plocha->obraz());
    plocha->ukazVse();
}

void Editor::prepniMrizku() {
    const bool zapnout = !mrizka->isChecked();
    mrizka->setChecked(zapnout);
    ukazStavMrizky(zapnout);
}

void Editor::ukazStavMrizky(bool zapnuto) {
    if (zapnuto) {
        kresleni::nakresliMrizku(plocha->obraz());
        plocha->ukazVse();
    } else {
        vycistiPlochu();
        prekreslit();
    }
}

void Editor::obnovMrizku() {
    if (mrizka->isChecked()) {
        mrizka->setChecked(false);
        prepniMrizku();
    }
}

// Menu commands --------------------------------------------------------------

void Editor::mrizka_Click(bool zapnuto) {
    // The menu has already moved the check mark; draw what the new state asks.
    ukazStavMrizky(zapnuto);
}

void Editor::vycistit_Click() {
    Form_Load();
}

void Editor::ukoncit_Click() {
    close();
}

void Editor::rozmistit_Click() {
    nahoda_.seed(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    promenne.pocet = QStringLiteral("0");
    if (rozmisteni)
        return;
    rozmisteni = new Rozmisteni(this);
    rozmisteni->setAttribute(Qt::WA_DeleteOnClose);
    rozmisteni->exec();
}

void Editor::ulozit_Click() {
    if (zapsani) {
        zapsani->raise();
        return;
    }
    const QString chyba = kontrola::chyba(mistnost);
    if (!chyba.isEmpty()) {
        varovani(this, kontrola::titulek, chyba);
        return;
    }
    auto *dialog = new Zapsani(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    zapsani = dialog;
    dialog->exec();
}

void Editor::nacist_Click() {
    if (nacteni) {
        nacteni->raise();
        return;
    }
    auto *dialog = new Nacteni(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    nacteni = dialog;
    dialog->exec();
}

void Editor::popis_Click() {
    if (Navod)
        return;
    Navod = new vinula::Navod(this);
    Navod->setAttribute(Qt::WA_DeleteOnClose);
    Navod->exec();
}

void Editor::oaplikaci_Click() {
    if (autor)
        return;
    autor = new Autor(this);
    autor->setAttribute(Qt::WA_DeleteOnClose);
    autor->exec();
}

} // namespace vinula
