#pragma once

#include <QWidget>

class QLineEdit;
class QListWidgetItem;
class QPushButton;

namespace zr05
{

class ListaDyskow;
class ListaKatalogow;
class ListaPlikow;
class Module1;
class Przesylanie;

enum class TrybPliku { Czytaj, Zapisz };

// The file window: pick a drive, a directory and a ".vor" file, then read or save the
// configuration. Exactly one of the read and save buttons is shown.
class OknoPliku : public QWidget
{
    Q_OBJECT
public:
    OknoPliku(Module1& m, QWidget* parent = nullptr);

    // The design state plus the settings of the menu command that opens the window.
    void ustawTryb(TrybPliku tryb);
    Module1& modul() const { return m; }
    // The transfer to ask about before reading or saving while it runs; none: no questions.
    void ustawPrzesylanie(Przesylanie* p) { m_przesylanie = p; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void wybierzPlik(const QString& nazwa);
    void plikZKlawiatury(QListWidgetItem* biezacy, QListWidgetItem* poprzedni);
    void nazwaZmieniona(const QString& tekst);
    void zapiszPlik();
    void czytajPlik();
    void zamknij();
    QString sciezka() const;

    bool zgodaPrzesylania(bool zapis);

    Module1& m;
    Przesylanie* m_przesylanie = nullptr;
    TrybPliku m_tryb = TrybPliku::Czytaj;
    ListaDyskow* m_dyski;
    ListaKatalogow* m_katalogi;
    ListaPlikow* m_pliki;
    QLineEdit* m_nazwaPliku;
    QPushButton* m_przyciskZapisz;
    QPushButton* m_przyciskCzytaj;
    QPushButton* m_przyciskOk;
    QPushButton* m_przyciskAnuluj;
};

// Entry point of the window, called by the main window's commands: opens it (not modal) in
// the given mode.
void pokazOknoPliku(Module1& m, TrybPliku tryb, QWidget* rodzic,
                    Przesylanie* przesylanie = nullptr);

} // namespace zr05
