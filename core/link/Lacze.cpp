#include "Lacze.h"
#include "config/MapaPamieci.h"

namespace zr05
{

using namespace ramka;

namespace
{
const QString TekstBrakPolaczenia = QStringLiteral("BRAK POŁĄCZENIA Z CENTRALĄ !!!!");
}

Lacze::Lacze(Module1& modul, QObject* parent) : QObject(parent), m(modul)
{
    // Right after start the link counts as lost after two silent ticks.
    m.LicznikLacza = 2;
}

void Lacze::odbierz(const QByteArray& bajty, qint64 terazMs)
{
    for (char c : bajty)
        Inter(Bajt(c), terazMs);
}

void Lacze::resetOdbiornika()
{
    RodzajRamki = 0;
    IndeksOdb = 0;
}

void Lacze::sladuj(bool doCentrali, const QByteArray& bajty, LosBajtow los)
{
    if (!m_slad)
        return;
    zamknijBajtyPozaRamka();
    m_slad({m_ostatniBajt * 1000, doCentrali, bajty, los});
}

void Lacze::sladujOdebrane(LosBajtow los)
{
    if (m_slad)
        sladuj(false, QByteArray(reinterpret_cast<const char*>(BuforOdb.data()), IndeksOdb), los);
}

void Lacze::zamknijBajtyPozaRamka()
{
    if (m_pozaRamka.isEmpty())
        return;
    const QByteArray b = m_pozaRamka;
    m_pozaRamka.clear();
    m_slad({m_czasPozaRamka * 1000, false, b, LosBajtow::PozaRamka});
}

void Lacze::Inter(Bajt b, qint64 terazMs)
{
    if (RodzajRamki != 0 && terazMs - m_ostatniBajt > CiszaPorzucajacaRamke) {
        sladujOdebrane(LosBajtow::PorzuconaPoPrzerwie);
        resetOdbiornika();
    }
    m_ostatniBajt = terazMs;

    if (RodzajRamki == 0) {
        switch (b) {
        case 'A':
            RodzajRamki = 1;
            DlugoscRamki = DlugoscStanu;
            break;
        case 'B':
            RodzajRamki = 2;
            DlugoscRamki = DlugoscStanu;
            break;
        case 'C':
            RodzajRamki = 3;
            DlugoscRamki = DlugoscStanu;
            break;
        case 'D':
            RodzajRamki = 6;
            DlugoscRamki = DlugoscStanu;
            break;
        case Start7:
            RodzajRamki = 4;
            DlugoscRamki = 3;
            break;
        case StartZdarz:
            RodzajRamki = 5;
            DlugoscRamki = 3;
            break;
        default:
            if (m_slad) {
                if (m_pozaRamka.isEmpty())
                    m_czasPozaRamka = terazMs;
                m_pozaRamka.append(char(b));
            }
            return;
        }
        IndeksOdb = 0;
    }

    BuforOdb[IndeksOdb] = b;

    if (IndeksOdb == 1) {
        if (RodzajRamki == 5) {
            DlugoscRamki = qint16(dlugoscKomunikatu(b));
        } else if (RodzajRamki == 4) {
            if (b == DaneOdczytu) {
                // The length comes from the read we asked for; without one the frame
                // cannot be delimited and is dropped.
                if (m_dlugoscOdczytu == 0 || m_dlugoscOdczytu + 3 > RozmiarBufora) {
                    IndeksOdb = 2;
                    sladujOdebrane(LosBajtow::Nieoczekiwana);
                    resetOdbiornika();
                    return;
                }
                DlugoscRamki = qint16(m_dlugoscOdczytu + 3);
            } else if (b == OdpKodu) {
                DlugoscRamki = DlugoscOdpKodu;
            } else if (b == Archiwum) {
                DlugoscRamki = DlugoscArchiwum;
            }
        }
    }

    ++IndeksOdb;
    if (IndeksOdb < DlugoscRamki)
        return;
    ramkaKompletna();
}

void Lacze::LiczXOR()
{
    unsigned s = 0;
    for (int i = 0; i < DlugoscRamki; ++i)
        s += BuforOdb[i];
    SumaOdb = qint32(s % 256);
}

void Lacze::ramkaKompletna()
{
    LiczXOR();
    sladujOdebrane(SumaOdb != 0 ? LosBajtow::ZlaSuma : LosBajtow::Przyjeta);
    if (SumaOdb != 0) {
        resetOdbiornika();
        return;
    }
    const QByteArray ramka(reinterpret_cast<const char*>(BuforOdb.data()), DlugoscRamki);
    const int rodzaj = RodzajRamki;
    // Reset first: handlers may send, and nothing they do may see a half-used receiver.
    resetOdbiornika();

    if (rodzaj == 4) {
        const Bajt kod = Bajt(ramka[1]);
        if (kod == Archiwum)
            emit rekordyArchiwum(ramka);
        else if (kod == OdpKodu)
            emit odpowiedzKodu(Bajt(ramka[3]));
        else if (kod == DaneOdczytu)
            obsluzDaneOdczytu();
    }

    std::copy(BuforOdb.begin(), BuforOdb.begin() + ramka.size(), Ramki[rodzaj].begin());

    if (rodzaj == 5) {
        obsluzKomunikat();
    } else if (rodzaj == 4) {
        if (Bajt(ramka[1]) == Poll)
            obsluzPoll();
        else if (Bajt(ramka[1]) == Slot)
            obsluzSlot();
    } else {
        emit ramkaStanu(rodzaj);
    }
}

void Lacze::obsluzDaneOdczytu()
{
    const int kod = m_kodOdczytu;
    const QByteArray dane(reinterpret_cast<const char*>(BuforOdb.data()) + 2, m_dlugoscOdczytu);
    m_dlugoscOdczytu = 0;
    m_kodOdczytu = 0;
    // A late answer to an abandoned operation must not be taken for the current one.
    if (kod == 0 || kod != m.KodOperacji)
        return;
    emit daneOdczytu(kod, dane);
    if (m.KodOperacji != kod)
        return; // the handler has decided what comes next
    if (kod == 41)
        m.KodOperacji = 0;
    else if (kod == 42)
        m.KodOperacji = 43;
}

void Lacze::obsluzKomunikat()
{
    const Bajt* r = BuforOdb.data();
    if (r[1] == 193) {
        m.Zegar = {r[7], r[6], r[5], r[4], r[3], r[2]};
        m.ZegarZnany = true;
        m.zglosZegar();
    }
    emit komunikat(QByteArray(reinterpret_cast<const char*>(r), dlugoscKomunikatu(r[1])));
}

void Lacze::zapomnijKodPoZmianie()
{
    // The code is kept only while its operation is current.
    if (m.KodOperacji != 40)
        m.KodWprowadzony = {};
}

void Lacze::obsluzPoll()
{
    m.LaczeUtracone = false;
    emit przedOdpowiedzia();
    zapomnijKodPoZmianie();
    BuforNad[0] = Start7;
    BuforNad[1] = m.BajtOdpowiedzi;
    DlugoscNad = 3;
    if (m.KodOperacji != 0)
        BuforNad[1] = Bajt(m.BajtOdpowiedzi | BitOperacji);
    Wyslij();
    m.LicznikLacza = 3;
    emit odpytany();
}

int Lacze::zbudujZadanie(int kod)
{
    BuforNad[0] = Start7;
    if (const auto odczyt = blokOdczytu(kod)) {
        BuforNad[1] = Odczyt;
        BuforNad[2] = Bajt(odczyt->dlugosc & 0xFF);
        BuforNad[3] = Bajt(odczyt->dlugosc >> 8);
        BuforNad[4] = Bajt(odczyt->adres & 0xFF);
        BuforNad[5] = Bajt(odczyt->adres >> 8);
        m_dlugoscOdczytu = odczyt->dlugosc;
        m_kodOdczytu = kod;
        return 7;
    }
    if (const auto zapis = blokZapisu(kod)) {
        QByteArray dane;
        if (kod == 43)
            dane = QByteArray("\x01", 1) + char(m.Obraz.CzasBlokady);
        else if (kod == 44)
            dane = QByteArray(2, '\0');
        else
            dane = m_daneZapisu ? m_daneZapisu(kod) : daneKrokuPrzesylania(m.Obraz, kod);
        BuforNad[1] = Zapis;
        BuforNad[2] = Bajt(zapis->adres & 0xFF);
        BuforNad[3] = Bajt(zapis->adres >> 8);
        BuforNad[4] = Bajt(zapis->dlugosc);
        // Only the first `dlugosc` bytes of the 112-byte area carry data; the rest keeps
        // whatever earlier frames left in the buffer.
        const int ile = std::min({int(dane.size()), int(zapis->dlugosc), ObszarZapisu});
        std::copy(dane.begin(), dane.begin() + ile, BuforNad.begin() + 5);
        return DlugoscZapisu;
    }
    switch (kod) {
    case 40:
        BuforNad[1] = ramka::Kod;
        std::copy(m.KodWprowadzony.begin(), m.KodWprowadzony.end(), BuforNad.begin() + 2);
        return 7;
    case 45:
    case 46:
        BuforNad[1] = ArchStart;
        BuforNad[2] = kod == 45 ? 1 : 2;
        std::copy(m.DataArchiwum.begin(), m.DataArchiwum.end(), BuforNad.begin() + 3);
        return 7;
    case 47:
        BuforNad[1] = ArchDalej;
        return 3;
    case 101:
        BuforNad[1] = KoniecProg;
        return 3;
    default:
        return 0;
    }
}

void Lacze::obsluzSlot()
{
    zapomnijKodPoZmianie();
    const int kod = m.KodOperacji;
    const int dlugosc = zbudujZadanie(kod);
    if (dlugosc == 0)
        return;
    DlugoscNad = qint16(dlugosc);
    Wyslij();
    if (kod == 40) {
        // The code is sent again from KodWprowadzony at the next slot if no answer comes;
        // the send buffer keeps no copy of it.
        std::fill(BuforNad.begin() + 2, BuforNad.begin() + 6, Bajt(0));
    }

    if (kod == 43 || kod == 44 || kod == 101)
        m.KodOperacji = 0;
    else if (kod == 45 || kod == 46)
        m.KodOperacji = 47;
    emit zadanieWyslane(kod);
}

void Lacze::Wyslij()
{
    if (DlugoscNad < 2)
        return;
    QByteArray bajty(reinterpret_cast<const char*>(BuforNad.data()), DlugoscNad - 1);
    bajty.append(char(sumaKontrolna(bajty)));
    sladuj(true, bajty, LosBajtow::Wyslane);
    if (m_ujscie)
        m_ujscie(bajty);
}

void Lacze::tick()
{
    emit sekunda();

    if (m.WybranyPort != 0 && m.LicznikLacza > 0) {
        --m.LicznikLacza;
        if (m.LicznikLacza > 0) {
            if (m.status() == TekstBrakPolaczenia)
                m.wyczyscStatus();
        } else {
            m.LaczeUtracone = true;
            m.ustawStatus(TekstBrakPolaczenia);
        }
    }

    if (m.ZegarZnany) {
        auto& z = m.Zegar;
        // Values the panel sent out of range roll over at the next tick.
        if (z[0] + 1 >= 60) {
            z[0] = 0;
            if (z[1] + 1 >= 60) {
                z[1] = 0;
                z[2] = z[2] + 1 >= 24 ? 0 : Bajt(z[2] + 1);
            } else {
                ++z[1];
            }
        } else {
            ++z[0];
        }
        m.zglosZegar();
    }
}

} // namespace zr05
