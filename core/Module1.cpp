#include "Module1.h"
#include "tables/NazwyLinii.h"

namespace zr05
{

Module1::Module1(QObject* parent) : QObject(parent)
{
    // Every reader may rely on the tables, so they exist as soon as the state does.
    WpiszTabele(Tabele);
    WpiszNazwyLinii(Obraz.NazwyLinii);
    // The main window's design state: only these are available before the port choice.
    for (Element e :
         {Element::mnuKonfLog, Element::mnuKonfCzytaj, Element::mnuKonfKoniec, Element::mnuPom})
        m_dostepne[int(e)] = true;
}

void Module1::WpisKonfig()
{
    KonfigJest = 1;
    ustawDostepny(Element::mnuProg, true);
    if (zalogowanyInstalator()) {
        ustawDostepny(Element::mnuKonfPrzekaz, true);
        ustawDostepny(Element::Przycisk5, true);
    }
    ustawDostepny(Element::mnuKonfZapisz, true);
    ustawDostepny(Element::mnuKonfDruk, true);
    ustawDostepny(Element::Przycisk3, true);
    ustawDostepny(Element::Przycisk6, true);
    emit konfiguracjaWczytana();
    emit konfiguracjaZmieniona();
}

void Module1::ustawCheck1(int indeks, bool wartosc)
{
    if (indeks < 0 || indeks > 1 || m_check1[indeks] == wartosc)
        return;
    m_check1[indeks] = wartosc;
    emit zalogowanieZmienione();
}

void Module1::ustawStatus(const QString& tekst)
{
    if (m_status == tekst)
        return;
    m_status = tekst;
    emit statusZmieniony(m_status);
}

void Module1::ustawDostepny(Element e, bool tak)
{
    if (m_dostepne[int(e)] == tak)
        return;
    m_dostepne[int(e)] = tak;
    emit dostepnoscZmieniona(e, tak);
}

void Module1::ustawOnLine(bool wlaczony)
{
    BajtOdpowiedzi = wlaczony ? 0x20 : 0;
    if (m_onLine == wlaczony)
        return;
    m_onLine = wlaczony;
    emit onLineZmieniony(wlaczony);
}

} // namespace zr05
