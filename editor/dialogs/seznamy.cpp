#include "seznamy.h"

#include "room/roomfile.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QStorageInfo>
#include <QStringListModel>
#include <QStyledItemDelegate>

namespace vinula {

namespace {

constexpr int odsazeni = 6; // pixels per level of the directory tree
constexpr int roleCesta = Qt::UserRole;
constexpr int roleUroven = Qt::UserRole + 1;

// Indents each directory by its depth, like the classic tree.
class Odsazeni : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override {
        QStyleOptionViewItem posunuta(option);
        posunuta.rect.adjust(index.data(roleUroven).toInt() * odsazeni, 0, 0, 0);
        QStyledItemDelegate::paint(painter, posunuta, index);
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override {
        QSize velikost = QStyledItemDelegate::sizeHint(option, index);
        velikost.rwidth() += index.data(roleUroven).toInt() * odsazeni;
        return velikost;
    }
};

} // namespace

SeznamSouboru::SeznamSouboru(QWidget *parent) : QListView(parent) {
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void SeznamSouboru::setSelectionModel(QItemSelectionModel *model) {
    QListView::setSelectionModel(model);
    connect(model, &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection &vybrane) {
                const QModelIndexList indexy = vybrane.indexes();
                if (!indexy.isEmpty())
                    emit kliknuti(indexy.first().data().toString());
            });
}

void SeznamSouboru::mousePressEvent(QMouseEvent *event) {
    // A click on the entry that is already selected changes no selection but
    // is a click all the same.
    const QPersistentModelIndex pod = indexAt(event->position().toPoint());
    const bool uzVybrany = pod.isValid() && selectionModel()->isSelected(pod);
    QListView::mousePressEvent(event);
    if (uzVybrany)
        emit kliknuti(pod.data().toString());
}

QItemSelectionModel::SelectionFlags SeznamSouboru::selectionCommand(const QModelIndex &index,
                                                                    const QEvent *event) const {
    // Ctrl+click would unselect the entry; the list always keeps one.
    const QItemSelectionModel::SelectionFlags prikaz = QListView::selectionCommand(index, event);
    if (index.isValid() && prikaz.testFlag(QItemSelectionModel::Deselect))
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return prikaz;
}

Seznamy::Seznamy(QWidget *okno)
    : QObject(okno), Drive1(new QComboBox(okno)), Dir1(new QListWidget(okno)),
      File1(new SeznamSouboru(okno)), soubory_(new QStringListModel(this)) {
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1->setObjectName(QStringLiteral("File1"));

    for (const QString &koren : disky())
        Drive1->addItem(QDir::toNativeSeparators(koren), koren);
    Dir1->setItemDelegate(new Odsazeni(Dir1));
    File1->setModel(soubory_);

    connect(Drive1, &QComboBox::activated, this, &Seznamy::zvolDisk);
    connect(Dir1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *polozka) { jdiDo(polozka->data(roleCesta).toString()); });
    connect(File1, &SeznamSouboru::kliknuti, this, &Seznamy::souborKliknut);

    jdiDo(QDir::currentPath());
}

QString Seznamy::vybranySoubor() const {
    const QModelIndexList vybrane = File1->selectionModel()->selectedIndexes();
    return vybrane.isEmpty() ? QString() : vybrane.first().data().toString();
}

void Seznamy::jdiDo(const QString &slozka) {
    cesta_ = QDir::cleanPath(QDir(slozka).absolutePath());
    naplnSlozky();
    soubory_->setStringList(souboryVeSlozce(cesta_));
    ukazDisk();
    emit slozkaZmenena();
}

void Seznamy::zvolDisk(int index) {
    if (index < 0 || index >= Drive1->count())
        return;
    const QString koren = Drive1->itemData(index).toString();
    // Back to where the user last was on that drive, as long as it is there.
    QString cil = posledniNaDisku_.value(koren, koren);
    if (!QFileInfo(cil).isDir())
        cil = koren;
    Drive1->setCurrentIndex(index);
    emit diskZmenen();
    jdiDo(cil);
}

QStringList Seznamy::souboryVeSlozce(const QString &slozka) {
    if (slozka.isEmpty())
        return {};
    // Plain files only: a pipe or a device could block the reader. Hidden entries (.cache,
    // .config …) are left out: a home folder is full of them, and they hold no rooms.
    return QDir(slozka).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QStringList Seznamy::podslozky(const QString &slozka) {
    if (slozka.isEmpty())
        return {};
    return QDir(slozka).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList Seznamy::disky() {
    QStringList koreny;
    const QList<QStorageInfo> svazky = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &svazek : svazky)
        if (svazek.isValid() && QFileInfo(svazek.rootPath()).isDir())
            koreny.append(svazek.rootPath());
    const QString tady = korenDisku(QDir::currentPath());
    if (!tady.isEmpty())
        koreny.append(tady);
    koreny.sort();
    koreny.removeDuplicates();
    return koreny;
}

qint64 Seznamy::delkaSouboru(const QString &cesta) {
    QFile soubor(cesta);
    return roomfile::otevriProCteni(soubor) ? soubor.size() : -1;
}

QString Seznamy::korenDisku(const QString &slozka) {
    const QStorageInfo svazek(slozka);
    return svazek.isValid() ? svazek.rootPath() : QString();
}

void Seznamy::naplnSlozky() {
    // The way down from the root, then the subdirectories one level deeper.
    QStringList cesta;
    QString slozka = cesta_;
    for (int i = 0; i < 4096; ++i) {
        cesta.prepend(slozka);
        const QString nadrazena = QFileInfo(slozka).path();
        if (nadrazena == slozka || nadrazena.isEmpty() || nadrazena == QLatin1String("."))
            break;
        slozka = nadrazena;
    }

    Dir1->clear();
    const QIcon otevrena = Dir1->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon zavrena = Dir1->style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto pridej = [this](const QIcon &ikona, const QString &text, const QString &cil,
                               int uroven) {
        auto *polozka = new QListWidgetItem(ikona, text);
        polozka->setData(roleCesta, cil);
        polozka->setData(roleUroven, uroven);
        Dir1->addItem(polozka);
    };
    for (int i = 0; i < cesta.size(); ++i) {
        const QString text =
            i == 0 ? QDir::toNativeSeparators(cesta[i]) : QFileInfo(cesta[i]).fileName();
        pridej(otevrena, text, cesta[i], i);
    }
    const QDir tady(cesta_);
    for (const QString &nazev : podslozky(cesta_))
        pridej(zavrena, nazev, tady.filePath(nazev), static_cast<int>(cesta.size()));
    Dir1->setCurrentRow(static_cast<int>(cesta.size()) - 1);
}

void Seznamy::ukazDisk() {
    const QString koren = korenDisku(cesta_);
    if (koren.isEmpty())
        return;
    posledniNaDisku_.insert(koren, cesta_);
    int index = Drive1->findData(koren);
    if (index < 0) {
        // A volume the list did not offer (a pseudo file system): add it in order.
        index = 0;
        while (index < Drive1->count() && Drive1->itemData(index).toString() < koren)
            ++index;
        Drive1->insertItem(index, QDir::toNativeSeparators(koren), koren);
    }
    Drive1->setCurrentIndex(index);
}

} // namespace vinula
