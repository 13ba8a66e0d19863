#include "ListaPlikow.h"

#include <QDir>

namespace zr05
{

ListaPlikow::ListaPlikow(const QString& wzor, QWidget* parent) : QListWidget(parent), m_wzor(wzor)
{
}

void ListaPlikow::ustawSciezke(const QString& sciezka)
{
    m_sciezka = sciezka;
    odswiez();
}

void ListaPlikow::odswiez()
{
    clear();
    // Matched like the platform's own lists: "*.vor" also shows "X.VOR".
    addItems(QDir(m_sciezka).entryList({m_wzor}, QDir::Files, QDir::Name));
}

} // namespace zr05
