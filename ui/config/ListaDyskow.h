#pragma once
// The drive list: the platform's drives, or its mounted volumes where there are no drives.

#include <QComboBox>

namespace zr05
{

class ListaDyskow : public QComboBox
{
    Q_OBJECT
public:
    explicit ListaDyskow(QWidget* parent = nullptr);

    // Root of the chosen drive, with '/' separators.
    QString dysk() const;
    // Chooses the drive holding the path (added to the list if it was not there).
    void ustawDyskDla(const QString& sciezka);

signals:
    void dyskZmieniony(const QString& korzen);
};

} // namespace zr05
