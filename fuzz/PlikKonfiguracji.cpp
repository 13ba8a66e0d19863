// Reading configuration files of any contents, through a file and through a failing device.

#include "Czytnik.h"
#include "Wlasnosci.h"

#include "Module1.h"
#include "config/PlikKonfiguracji.h"

#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

namespace zr05::wlasnosci
{

namespace
{
// Gives its bytes, then fails every read once `doBledu` bytes are out.
class UrzadzenieZBledem : public QIODevice
{
public:
    UrzadzenieZBledem(QByteArray dane, qint64 doBledu) : m_dane(std::move(dane)), m_doBledu(doBledu)
    {
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* dane, qint64 ile) override
    {
        if (m_poz >= m_doBledu)
            return -1;
        const qint64 n = std::min({ile, m_doBledu - m_poz, qint64(m_dane.size()) - m_poz});
        if (n <= 0)
            return m_poz < m_dane.size() ? -1 : 0;
        std::copy_n(m_dane.constData() + m_poz, n, dane);
        m_poz += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_dane;
    qint64 m_doBledu;
    qint64 m_poz = 0;
};

// A program that already holds a configuration of its own.
void zaladuj(Module1& m)
{
    m.Obraz.Linie[3][8] = 230;
    m.Obraz.Strefy[10][15] = 0x7F;
    m.Obraz.NazwyLinii[230] = QStringLiteral("STARA");
    m.NazwaPliku = QStringLiteral("/stary/plik.vor");
    m.WpisKonfig();
}

QString sprawdzNiezmieniony(const Module1& m, const Konfiguracja& przed)
{
    if (!(m.Obraz == przed))
        return "a failed read changed the configuration";
    if (m.KonfigJest != 1 || m.NazwaPliku != QLatin1String("/stary/plik.vor"))
        return "a failed read changed the program state";
    return QString();
}

QString sciezkaProby()
{
    static QTemporaryDir katalog;
    return katalog.filePath(QStringLiteral("proba.vor"));
}
} // namespace

// Input: a mode byte, then the file's contents. Even modes read a file; odd ones read through
// a device failing after (mode / 2) * 32 bytes.
QString plikKonfiguracji(QByteArrayView wejscie)
{
    Czytnik c(wejscie);
    const Bajt tryb = c.bajt();
    const QByteArray dane = c.reszta();
    Module1 m;
    zaladuj(m);
    const Konfiguracja przed = m.Obraz;

    if (tryb & 1) {
        const qint64 doBledu = qint64(tryb >> 1) * 32;
        UrzadzenieZBledem urzadzenie(dane, doBledu);
        const bool powinnoSieUdac =
            std::min<qint64>(doBledu, dane.size()) >= DlugoscPlikuKonfiguracji;
        const WynikPliku w = CzytajKonfig(urzadzenie, m.Obraz);
        if (bool(w) != powinnoSieUdac)
            return QStringLiteral("device read of %1 bytes failing after %2: %3")
                .arg(dane.size())
                .arg(doBledu)
                .arg(w ? QStringLiteral("succeeded") : w.komunikat);
        if (!w && w.komunikat.isEmpty())
            return "a failed read says nothing";
        return w ? QString() : sprawdzNiezmieniony(m, przed);
    }

    const QString sciezka = sciezkaProby();
    QFile plik(sciezka);
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Truncate) || plik.write(dane) != dane.size())
        return "cannot write the trial file";
    plik.close();

    const WynikPliku w = CzytajKonfig(m, sciezka);
    if (dane.size() < DlugoscPlikuKonfiguracji) {
        if (w)
            return QStringLiteral("a file of %1 bytes was read").arg(dane.size());
        if (!w.komunikat.contains(sciezka))
            return "the message does not name the file: " + w.komunikat;
        return sprawdzNiezmieniony(m, przed);
    }
    if (!w)
        return "a complete file was refused: " + w.komunikat;
    if (m.KonfigJest != 1 || m.NazwaPliku != sciezka)
        return "a read file is not the program's configuration";
    // What was read saves back exactly: no byte of a configuration is lost on the way.
    QByteArray zapisane;
    if (const WynikPliku z = obrazDoBajtow(m.Obraz, zapisane); !z)
        return "a read configuration cannot be saved: " + z.komunikat;
    if (zapisane != dane.left(DlugoscPlikuKonfiguracji)) {
        int i = 0;
        while (zapisane[i] == dane[i])
            ++i;
        return QStringLiteral("saved back differently from byte %1: %2 instead of %3")
            .arg(i)
            .arg(Bajt(zapisane[i]))
            .arg(Bajt(dane[i]));
    }
    return QString();
}

} // namespace zr05::wlasnosci
