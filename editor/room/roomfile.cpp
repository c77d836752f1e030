#include "roomfile.h"

#include "chyby_systemu.h"
#include "cp1250.h"
#include "duvod.h"
#include "platforma.h"
#include "pocet.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace vinula::roomfile {

static_assert(delkaNazvu + delkaMrizky == delkaZaznamu);
static_assert(posunBunky(0, 0) == 50 && posunBunky(0, 1) == 51 && posunBunky(1, 0) == 70);
static_assert(posunBunky(Mistnost::sirka - 1, Mistnost::vyska - 1) == delkaZaznamu - 1);

namespace {

QString kratsiSoubor() {
    return QStringLiteral("soubor je kratší, než místnost vyžaduje");
}
QString chybaCteni() {
    return QStringLiteral("chyba při čtení souboru");
}
QString obsazenySoubor() {
    return QStringLiteral("do souboru právě zapisuje jiný program; zkuste to znovu za chvíli");
}
QString necelySoubor(qint64 delka) {
    return QStringLiteral("délka %1 není násobkem 650, není to soubor místností; nic se "
                          "nepřipojilo")
        .arg(pocetSlovy(delka, "bajt", "bajty", "bajtů"));
}
QString chybaZapisu(int cislo) {
    return QStringLiteral("chyba při zápisu: %1").arg(chyby::popis(cislo));
}

// Text mode would turn "\r\n" inside a record into "\n"; records are binary.
class BezTextovehoRezimu {
public:
    explicit BezTextovehoRezimu(QIODevice &zarizeni)
        : zarizeni_(zarizeni), byl_(zarizeni.isTextModeEnabled()) {
        zarizeni_.setTextModeEnabled(false);
    }
    ~BezTextovehoRezimu() { zarizeni_.setTextModeEnabled(byl_); }
    BezTextovehoRezimu(const BezTextovehoRezimu &) = delete;
    BezTextovehoRezimu &operator=(const BezTextovehoRezimu &) = delete;

private:
    QIODevice &zarizeni_;
    bool byl_;
};

// The first `delka` bytes of room n's record, read with a single call.
std::optional<QByteArray> nactiZacatek(QIODevice &soubor, qint64 n, qint64 delka, QString *duvod) {
    if (!soubor.isOpen() || !soubor.isReadable()) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro čtení"));
        return std::nullopt;
    }
    if (soubor.isSequential()) {
        nastavDuvod(duvod, QStringLiteral("v souboru nelze přecházet na libovolné místo"));
        return std::nullopt;
    }
    if (n < 1) {
        nastavDuvod(duvod, QStringLiteral("místnosti se číslují od 1"));
        return std::nullopt;
    }
    // Compared before multiplying, so that no room number can overflow.
    if (n > soubor.size() / delkaZaznamu) {
        nastavDuvod(duvod, kratsiSoubor());
        return std::nullopt;
    }
    BezTextovehoRezimu binarne(soubor);
    if (!soubor.seek((n - 1) * delkaZaznamu)) {
        nastavDuvod(duvod, chybaCteni());
        return std::nullopt;
    }
    QByteArray data(delka, Qt::Uninitialized);
    const qint64 precteno = soubor.read(data.data(), delka);
    if (precteno < 0) {
        nastavDuvod(duvod, chybaCteni());
        return std::nullopt;
    }
    // The file may have been shortened since its size was taken.
    if (precteno != delka) {
        nastavDuvod(duvod, kratsiSoubor());
        return std::nullopt;
    }
    return data;
}

// Only a regular file: opening a FIFO would block until someone writes to it.
bool obycejnySoubor(const QFileInfo &info, QString *duvod) {
    if (info.isDir()) {
        nastavDuvod(duvod, QStringLiteral("zadaná cesta vede ke složce, ne k souboru"));
        return false;
    }
    if (!info.isFile()) {
        nastavDuvod(duvod, QStringLiteral("zadaná cesta nevede k obyčejnému souboru"));
        return false;
    }
    return true;
}

} // namespace

bool otevriProCteni(QFile &soubor, QString *duvod) {
    const QString cesta = soubor.fileName();
    if (cesta.isEmpty()) {
        nastavDuvod(duvod, QStringLiteral("prázdný název souboru"));
        return false;
    }
    const int chyba = platforma::chybaCesty(cesta);
    if (chyba != 0) {
        nastavDuvod(duvod, chyba == ENOENT ? QStringLiteral("soubor neexistuje")
                                           : chyby::popis(chyba, cesta));
        return false;
    }
    const QFileInfo info(cesta);
    if (!info.exists()) {
        nastavDuvod(duvod, QStringLiteral("symbolický odkaz vede k souboru, který neexistuje"));
        return false;
    }
    if (!obycejnySoubor(info, duvod))
        return false;
    if (!soubor.open(QIODevice::ReadOnly)) {
        nastavDuvod(duvod, QStringLiteral("soubor nelze otevřít: %1")
                               .arg(chyby::popis(platforma::posledniChyba(), cesta)));
        return false;
    }
    return true;
}

qint64 pocetMistnosti(qint64 delkaSouboru) {
    if (delkaSouboru < 0 || delkaSouboru % delkaZaznamu != 0)
        return -1;
    return delkaSouboru / delkaZaznamu;
}

std::optional<QString> nactiNazev(QIODevice &soubor, qint64 n, QString *duvod) {
    const auto data = nactiZacatek(soubor, n, delkaNazvu, duvod);
    if (!data)
        return std::nullopt;
    return nazevZaznamu(*data);
}

std::optional<QString> nactiNazev(const QString &cesta, qint64 n, QString *duvod) {
    QFile soubor(cesta);
    if (!otevriProCteni(soubor, duvod))
        return std::nullopt;
    return nactiNazev(soubor, n, duvod);
}

std::optional<QByteArray> nactiZaznamy(QIODevice &soubor, qint64 od, qint64 pocet, QString *duvod) {
    if (pocet < 1) {
        nastavDuvod(duvod, QStringLiteral("není co číst"));
        return std::nullopt;
    }
    // Checked before anything is allocated: a count from the command line
    // must not reserve gigabytes for a file that cannot hold them.
    if (soubor.isOpen() && pocet > soubor.size() / delkaZaznamu) {
        nastavDuvod(duvod, kratsiSoubor());
        return std::nullopt;
    }
    return nactiZacatek(soubor, od, pocet * delkaZaznamu, duvod);
}

QString nazevZaznamu(QByteArrayView zaznam) {
    return cp1250::dekoduj(zaznam.first(delkaNazvu));
}

void bunkyZaznamu(QByteArrayView zaznam, Mistnost &mistnost) {
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            mistnost.nastav(x, y, static_cast<Kod>(zaznam[posunBunky(x, y)]));
}

bool nactiMistnost(QIODevice &soubor, qint64 n, Mistnost &mistnost, QString &nazev,
                   QString *duvod) {
    const auto data = nactiZacatek(soubor, n, delkaZaznamu, duvod);
    if (!data)
        return false;
    bunkyZaznamu(*data, mistnost);
    nazev = nazevZaznamu(*data);
    return true;
}

bool nactiMistnost(const QString &cesta, qint64 n, Mistnost &mistnost, QString &nazev,
                   QString *duvod) {
    QFile soubor(cesta);
    if (!otevriProCteni(soubor, duvod))
        return false;
    return nactiMistnost(soubor, n, mistnost, nazev, duvod);
}

QByteArray zaznam(const QString &nazev, const Mistnost &mistnost) {
    QByteArray data(delkaZaznamu, ' ');
    // A decomposed "C" + combining caron is still one letter, Č, not "C?".
    const QByteArray jmeno = cp1250::zakoduj(nazev.normalized(QString::NormalizationForm_C));
    std::copy_n(jmeno.constData(), std::min<qsizetype>(jmeno.size(), delkaNazvu), data.data());
    for (int x = 0; x < Mistnost::sirka; ++x)
        for (int y = 0; y < Mistnost::vyska; ++y)
            data[posunBunky(x, y)] = static_cast<char>(mistnost.bunka(x, y));
    return data;
}

bool pripojMistnost(const QString &cesta, const QString &nazev, const Mistnost &mistnost,
                    QString *duvod) {
    Pripojeni pripojeni(cesta);
    return pripojeni.otevri(duvod) && pripojeni.zapis(zaznam(nazev, mistnost), duvod) &&
           pripojeni.dokonci(duvod);
}

Pripojeni::Pripojeni(const QString &cesta) : cesta_(cesta) {}

Pripojeni::~Pripojeni() {
    if (soubor_ && !hotovo_)
        vzdej({}, nullptr);
}

bool Pripojeni::otevri(QString *duvod, const PravidlaPripojeni &pravidla) {
    if (cesta_.isEmpty()) {
        nastavDuvod(duvod, QStringLiteral("prázdný název souboru"));
        return false;
    }
    // A file that a failed append of another program took away while this one
    // waited for it is opened afresh; a few rounds suffice for any honest
    // neighbour.
    for (int kolo = 0; kolo < 100; ++kolo) {
        const int chyba = platforma::chybaCesty(cesta_);
        if (chyba != 0 && chyba != ENOENT) {
            nastavDuvod(duvod, chyby::popis(chyba, cesta_));
            return false;
        }
        const QFileInfo info(cesta_);
        const bool existoval = info.exists();
        if (existoval && !obycejnySoubor(info, duvod))
            return false;
        // Unbuffered: bytes left in Qt's write buffer would reach the disk
        // after a cut-back.
        auto soubor = std::make_unique<QFile>(cesta_);
        if (!soubor->open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            nastavDuvod(duvod, QStringLiteral("soubor nelze otevřít pro zápis: %1")
                                   .arg(chyby::popis(platforma::posledniChyba(), cesta_)));
            return false;
        }
        for (;;) {
            const platforma::Zamek zamek = platforma::zamkni(soubor->handle());
            bezZamku_ = zamek == platforma::Zamek::bezZamku;
            if (zamek == platforma::Zamek::zamceno || bezZamku_)
                break;
            if (zamek == platforma::Zamek::chyba) {
                nastavDuvod(duvod, QStringLiteral("soubor nelze zamknout: %1")
                                       .arg(chyby::popis(platforma::posledniChyba())));
                return false;
            }
            if (!pravidla.cekej || !pravidla.cekej()) {
                nastavDuvod(duvod, obsazenySoubor());
                return false;
            }
        }
        if (!platforma::jeTamtezSoubor(soubor->handle(), cesta_))
            continue;
        puvodniDelka_ = soubor->size();
        if (pravidla.jenCeleZaznamy && pocetMistnosti(puvodniDelka_) < 0)
            return nastavDuvod(duvod, necelySoubor(puvodniDelka_));
        // What was opened: through a symbolic link that is the link's target, and
        // a target made here is the file to take away again, not the link.
        otevreny_ = QFileInfo(cesta_).canonicalFilePath();
        vytvoren_ = !existoval && puvodniDelka_ == 0;
        soubor_ = std::move(soubor);
        return true;
    }
    nastavDuvod(duvod, QStringLiteral("soubor mezitím stále znovu nahrazuje jiný program"));
    return false;
}

bool Pripojeni::zapis(QByteArrayView data, QString *duvod) {
    if (!soubor_ || hotovo_) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro zápis"));
        return false;
    }
    qint64 kus = 0;
    const int chyba = platforma::zapisVse(*soubor_, data, &kus);
    zapsano_ += kus;
    if (chyba == 0)
        return true;
    vzdej(chybaZapisu(chyba), duvod);
    return false;
}

bool Pripojeni::dokonci(QString *duvod) {
    if (!soubor_ || hotovo_) {
        nastavDuvod(duvod, QStringLiteral("soubor není otevřen pro zápis"));
        return false;
    }
    // On the disk before the lock goes, so that a power cut cannot leave a
    // file that claims the rooms without holding them.
    if (const int chyba = platforma::ulozNaDisk(static_cast<int>(soubor_->handle())); chyba != 0) {
        vzdej(chybaZapisu(chyba), duvod);
        return false;
    }
    if (vytvoren_)
        platforma::ulozSlozkuNaDisk(QFileInfo(otevreny_).absolutePath());
    // Closing also lets the lock go.
    soubor_->close();
    // Some file systems (network drives) report a failed write only on close;
    // the file is then cut back as the lock is taken again.
    if (soubor_->error() == QFileDevice::NoError) {
        hotovo_ = true;
        return true;
    }
    const auto zamkni = [this] {
        const platforma::Zamek zamek = platforma::zamkni(soubor_->handle());
        return zamek == platforma::Zamek::zamceno || zamek == platforma::Zamek::bezZamku;
    };
    if (!soubor_->open(QIODevice::ReadWrite | QIODevice::Unbuffered) || !zamkni()) {
        hotovo_ = true;
        nastavDuvod(duvod, QStringLiteral("zápis se nepodařilo dokončit a soubor nelze vrátit "
                                          "na původní délku"));
        return false;
    }
    vzdej(QStringLiteral("zápis se nepodařilo dokončit"), duvod);
    return false;
}

void Pripojeni::vzdej(const QString &proc, QString *duvod) {
    if (!soubor_ || hotovo_)
        return;
    hotovo_ = true;
    // Still locked: nobody who appends the same way wrote meanwhile. Bytes
    // beyond ours come from a program that does not lock, and stay.
    const qint64 ted = soubor_->size();
    bool vraceno = ted == puvodniDelka_;
    if (!vraceno && ted == puvodniDelka_ + zapsano_)
        vraceno = soubor_->resize(puvodniDelka_);
    // Taken away while still locked, so that a program waiting for the lock
    // sees the name gone; where an open file cannot be removed, just after.
    const bool odstranit =
        vraceno && vytvoren_ && platforma::jeTamtezSoubor(soubor_->handle(), otevreny_);
    if (odstranit && !QFile::remove(otevreny_)) {
        soubor_->close();
        QFile::remove(otevreny_);
    }
    soubor_->close();
    if (odstranit)
        nastavDuvod(duvod, proc + QStringLiteral("; soubor nevznikl"));
    else if (vraceno)
        nastavDuvod(duvod, proc + QStringLiteral("; soubor zůstal, jak byl"));
    else if (ted != puvodniDelka_ + zapsano_)
        nastavDuvod(duvod, proc + QStringLiteral("; soubor mezitím změnil jiný program, a tak "
                                                 "se nevrátil na původní délku"));
    else
        nastavDuvod(duvod, proc + QStringLiteral("; soubor se nepodařilo vrátit na původní délku"));
}

} // namespace vinula::roomfile
