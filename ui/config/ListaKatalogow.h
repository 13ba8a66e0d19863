#pragma once
// The directory list: the open path from its root down, then the subdirectories of the last
// one. A double click (or Enter) on an entry opens it.

#include <QListWidget>

namespace zr05
{

class ListaKatalogow : public QListWidget
{
    Q_OBJECT
public:
    explicit ListaKatalogow(QWidget* parent = nullptr);

    // Absolute, with '/' separators.
    QString sciezka() const { return m_sciezka; }
    void ustawSciezke(const QString& sciezka);

signals:
    void sciezkaZmieniona(const QString& sciezka);

private:
    void odswiez();

    QString m_sciezka;
};

} // namespace zr05
