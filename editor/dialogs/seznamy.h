#pragma once

#include <QHash>
#include <QListView>
#include <QObject>
#include <QString>
#include <QStringList>

class QComboBox;
class QListWidget;
class QStringListModel;

namespace vinula {

// The file list: a click on an entry, or a move of the selection with the
// keyboard, is one "file click".
class SeznamSouboru : public QListView {
    Q_OBJECT
public:
    explicit SeznamSouboru(QWidget *parent = nullptr);

    void setSelectionModel(QItemSelectionModel *model) override;

signals:
    void kliknuti(const QString &nazev);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
};

// The three chained lists of the file dialogs: the drives (mounted volumes),
// the directories on the way down to the current one with its
// subdirectories, and the files of that directory. The dialog places each
// list itself; they start on the process's current directory.
class Seznamy : public QObject {
    Q_OBJECT
public:
    explicit Seznamy(QWidget *okno);

    QComboBox *const Drive1;
    QListWidget *const Dir1;
    SeznamSouboru *const File1;

    // The directory list's path: the directory whose files are listed.
    QString cesta() const { return cesta_; }
    // The file selected in the file list, without directory; empty when
    // none is.
    QString vybranySoubor() const;
    // Moves the directory list (and with it the file list) to a directory.
    void jdiDo(const QString &slozka);
    // Chooses a drive as the user does in the drive list.
    void zvolDisk(int index);

    // Listings without a window, sorted by name, hidden entries left out. A
    // directory that cannot be read lists nothing.
    static QStringList souboryVeSlozce(const QString &slozka);
    static QStringList podslozky(const QString &slozka);
    // Root paths of the mounted volumes, sorted, each once.
    static QStringList disky();
    // Length of a file that the room-file code opens for reading (a regular file, not a pipe
    // that would wait for a writer); -1 otherwise.
    static qint64 delkaSouboru(const QString &cesta);

signals:
    void diskZmenen();
    void slozkaZmenena();
    void souborKliknut(const QString &nazev);

private:
    void naplnSlozky();
    void ukazDisk();
    static QString korenDisku(const QString &slozka);

    QStringListModel *soubory_;
    QString cesta_;
    QHash<QString, QString> posledniNaDisku_; // a drive's last directory
};

} // namespace vinula
