#pragma once
// The two-list set picker of the editors: members on the left, non-members on the right,
// both sorted by text; "<=" or a double click on the right moves an item left, "=>" or a
// double click on the left moves it right. Every item text begins with the member's number
// in two digits, so sorting by text is sorting by number.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QListWidget;
class QAbstractButton;

namespace zr05
{

class DwieListy : public QObject
{
    Q_OBJECT
public:
    // The window owns and names the widgets; this only wires them together.
    DwieListy(QListWidget* lewa, QListWidget* prawa, QAbstractButton* doLewej,
              QAbstractButton* doPrawej, QObject* parent = nullptr);

    // Item text of a member number: "07" by default, or e.g. "07 - opis".
    using Tekst = std::function<QString(int)>;
    static QString dwieCyfry(int numer);

    // Rebuilds both lists: every number in `wszystkie` goes left when `naLewo` says so.
    void wypelnij(const QList<int>& wszystkie, const std::function<bool(int)>& naLewo,
                  const Tekst& tekst = dwieCyfry);
    void wyczysc();
    // The numbers on the left, read from the first two characters of each item.
    QList<int> czlonkowie() const;

    void przeniesDoLewej();
    void przeniesDoPrawej();

signals:
    void zmieniono();

private:
    static void przenies(QListWidget* z, QListWidget* na);

    QListWidget* m_lewa;
    QListWidget* m_prawa;
};

} // namespace zr05
