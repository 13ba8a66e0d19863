#pragma once
// The file list: the files of one directory that match a pattern, sorted by name.

#include <QListWidget>

namespace zr05
{

class ListaPlikow : public QListWidget
{
    Q_OBJECT
public:
    ListaPlikow(const QString& wzor, QWidget* parent = nullptr);

    QString sciezka() const { return m_sciezka; }
    void ustawSciezke(const QString& sciezka);
    void odswiez();

private:
    QString m_wzor;
    QString m_sciezka;
};

} // namespace zr05
