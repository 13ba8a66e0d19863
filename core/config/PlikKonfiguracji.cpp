#include "PlikKonfiguracji.h"
#include "Module1.h"
#include "Nazwy1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace zr05
{

namespace
{
constexpr int DlugoscNazw = (Konfiguracja::LiczbaNazw - Konfiguracja::PierwszaNazwaUzytkownika) *
                            Konfiguracja::DlugoscNazwy;
constexpr int DlugoscBajtow = DlugoscPlikuKonfiguracji - DlugoscNazw;

// Every byte of the image except the names, in file order: records from 1, bytes in order,
// the system scalars in the file's own order (not the panel's).
template <typename Obraz, typename Funkcja> void dlaKazdegoBajtu(Obraz& o, Funkcja&& f)
{
    auto rekordy = [&](auto& tablica, int od, int ile) {
        for (int n = od; n < od + ile; ++n)
            for (auto& b : tablica[n])
                f(b);
    };
    rekordy(o.Linie, 1, Konfiguracja::LiczbaLinii);
    rekordy(o.WyjOC, 1, Konfiguracja::LiczbaWyjOC);
    rekordy(o.WyjPk, 1, Konfiguracja::LiczbaWyjPk);
    for (int k = 1; k <= 16; ++k)
        f(o.Urzadzenia[k]);
    f(o.KodyTajne);
    f(o.Buzzery);
    f(o.CzasKodu);
    f(o.KlawFun);
    f(o.CzasBlokady);
    rekordy(o.Kontrole, 1, Konfiguracja::LiczbaKontroli);
    for (auto& b : o.AutoUzbr)
        f(b);
    rekordy(o.Strefy, 1, Konfiguracja::LiczbaStref);
}

QString bladOdczytu(const QString& sciezka, const QString& powod)
{
    return QStringLiteral("Nie można odczytać konfiguracji z pliku \"%1\": %2.\n"
                          "Konfiguracja w programie nie została zmieniona.")
        .arg(QDir::toNativeSeparators(sciezka), powod);
}

QString bladZapisu(const QString& sciezka, const QString& powod)
{
    return QStringLiteral("Nie można zapisać konfiguracji do pliku \"%1\": %2.\n"
                          "Konfiguracja nie została zapisana.")
        .arg(QDir::toNativeSeparators(sciezka), powod);
}

WynikPliku blad(const QString& komunikat)
{
    return WynikPliku{false, komunikat};
}

// Qt gives the system's reason in English; the common ones are told in the user's language.
QString powod(const QIODevice& urzadzenie)
{
    const QString tekst = urzadzenie.errorString();
    static const struct {
        int kod;
        const char16_t* powod;
    } Znane[] = {
        {ENOSPC, u"brak miejsca na dysku"},
        {EDQUOT, u"brak miejsca na dysku"},
        {EACCES, u"brak uprawnień"},
        {EPERM, u"brak uprawnień"},
        {EROFS, u"dysk jest tylko do odczytu"},
        {ENOENT, u"plik lub katalog nie istnieje"},
    };
    for (const auto& z : Znane)
        if (tekst.contains(qt_error_string(z.kod), Qt::CaseInsensitive))
            return QString::fromUtf16(z.powod);
    return tekst;
}

// Opening a pipe for writing waits for a reader, and a socket cannot be opened at all.
bool potokLubGniazdo(const QString& sciezka)
{
#ifdef Q_OS_UNIX
    struct stat st;
    return ::stat(QFile::encodeName(sciezka).constData(), &st) == 0 &&
           (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode));
#else
    Q_UNUSED(sciezka);
    return false;
#endif
}

// A device cannot be replaced by renaming a temporary file over it.
bool zapisBezposredni(const QFileInfo& cel)
{
    return cel.exists() && !cel.isFile() && !cel.isDir();
}
} // namespace

WynikPliku obrazDoBajtow(const Konfiguracja& obraz, QByteArray& dane)
{
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i)
        if (!nazwaDaSieZapisac(obraz.NazwyLinii[i].left(Konfiguracja::DlugoscNazwy)))
            return blad(QStringLiteral("nazwa linii nr %1 (\"%2\") zawiera znak, którego nie "
                                       "można zapisać w stronie kodowej Windows-1250")
                            .arg(i)
                            .arg(obraz.NazwyLinii[i]));
    dane.clear();
    dane.reserve(DlugoscPlikuKonfiguracji);
    dlaKazdegoBajtu(obraz, [&](Bajt b) { dane.append(char(b)); });
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i)
        dane.append(nazwaNaBajty(obraz.NazwyLinii[i]));
    Q_ASSERT(dane.size() == DlugoscPlikuKonfiguracji);
    return {};
}

void obrazZBajtow(const QByteArray& dane, Konfiguracja& obraz)
{
    Q_ASSERT(dane.size() >= DlugoscPlikuKonfiguracji);
    int poz = 0;
    dlaKazdegoBajtu(obraz, [&](Bajt& b) { b = Bajt(dane[poz++]); });
    Q_ASSERT(poz == DlugoscBajtow);
    for (int i = Konfiguracja::PierwszaNazwaUzytkownika; i < Konfiguracja::LiczbaNazw; ++i) {
        obraz.NazwyLinii[i] = nazwaZBajtow(dane.mid(poz, Konfiguracja::DlugoscNazwy));
        poz += Konfiguracja::DlugoscNazwy;
    }
}

WynikPliku ZapiszKonfig(const Konfiguracja& obraz, QIODevice& urzadzenie)
{
    QByteArray dane;
    if (auto w = obrazDoBajtow(obraz, dane); !w)
        return w;
    if (urzadzenie.write(dane) != dane.size())
        return blad(powod(urzadzenie));
    // A buffered file reports a full disk only when its buffer goes out.
    if (auto* plik = qobject_cast<QFileDevice*>(&urzadzenie); plik && !plik->flush())
        return blad(powod(*plik));
    return {};
}

WynikPliku CzytajKonfig(QIODevice& urzadzenie, Konfiguracja& obraz)
{
    QByteArray dane(DlugoscPlikuKonfiguracji, '\0');
    qint64 przeczytane = 0;
    while (przeczytane < DlugoscPlikuKonfiguracji) {
        const qint64 r =
            urzadzenie.read(dane.data() + przeczytane, DlugoscPlikuKonfiguracji - przeczytane);
        if (r < 0)
            return blad(powod(urzadzenie));
        if (r == 0)
            break;
        przeczytane += r;
    }
    if (przeczytane < DlugoscPlikuKonfiguracji)
        return blad(QStringLiteral("plik jest za krótki (%1 z %2 bajtów)")
                        .arg(przeczytane)
                        .arg(DlugoscPlikuKonfiguracji));
    obrazZBajtow(dane, obraz);
    return {};
}

WynikPliku ZapiszKonfig(const Konfiguracja& obraz, const QString& sciezka)
{
    const QFileInfo cel(sciezka);
    if (cel.isDir())
        return blad(bladZapisu(sciezka, QStringLiteral("to jest katalog")));
    if (potokLubGniazdo(sciezka))
        return blad(bladZapisu(sciezka, QStringLiteral("to nie jest zwykły plik")));
    if (!cel.absoluteDir().exists())
        return blad(bladZapisu(sciezka, QStringLiteral("katalog nie istnieje")));
    if (cel.isFile() && !cel.isWritable())
        return blad(bladZapisu(sciezka, QStringLiteral("plik jest tylko do odczytu")));

    if (zapisBezposredni(cel)) {
        QFile plik(sciezka);
        if (!plik.open(QIODevice::WriteOnly))
            return blad(bladZapisu(sciezka, powod(plik)));
        auto w = ZapiszKonfig(obraz, plik);
        if (!w)
            return blad(bladZapisu(sciezka, w.komunikat));
        return {};
    }

    QSaveFile plik(sciezka);
    // A writable file in a folder the user may not write into is written in place.
    plik.setDirectWriteFallback(true);
    if (!plik.open(QIODevice::WriteOnly))
        return blad(bladZapisu(sciezka, powod(plik)));
    if (auto w = ZapiszKonfig(obraz, plik); !w) {
        plik.cancelWriting();
        return blad(bladZapisu(sciezka, w.komunikat));
    }
    if (!plik.commit())
        return blad(bladZapisu(sciezka, powod(plik)));
    return {};
}

WynikPliku CzytajKonfig(const QString& sciezka, Konfiguracja& obraz)
{
    const QFileInfo zrodlo(sciezka);
    if (!zrodlo.exists())
        return blad(bladOdczytu(sciezka, QStringLiteral("plik nie istnieje")));
    if (zrodlo.isDir())
        return blad(bladOdczytu(sciezka, QStringLiteral("to jest katalog")));
    // A pipe or a device could block the program or never end.
    if (!zrodlo.isFile())
        return blad(bladOdczytu(sciezka, QStringLiteral("to nie jest zwykły plik")));

    QFile plik(sciezka);
    if (!plik.open(QIODevice::ReadOnly))
        return blad(bladOdczytu(sciezka, powod(plik)));
    // The image changes only once all 3626 bytes are in.
    if (auto w = CzytajKonfig(plik, obraz); !w)
        return blad(bladOdczytu(sciezka, w.komunikat));
    return {};
}

WynikPliku ZapiszKonfig(Module1& m, const QString& sciezka)
{
    auto w = ZapiszKonfig(m.Obraz, sciezka);
    if (w)
        m.NazwaPliku = m.PlikObrazu = sciezka;
    return w;
}

WynikPliku CzytajKonfig(Module1& m, const QString& sciezka)
{
    auto w = CzytajKonfig(sciezka, m.Obraz);
    if (w) {
        m.NazwaPliku = m.PlikObrazu = sciezka;
        m.WpisKonfig();
    }
    return w;
}

} // namespace zr05
