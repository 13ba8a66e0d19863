#include "ObrazWCentrali.h"

#include <QRandomGenerator>
#include <QStringEncoder>

namespace zr05
{

namespace
{
template <typename T>
QString rekordy(const T& tabela, int od, int ile, int adres, const PamiecCentrali& p)
{
    const int rozmiar = int(tabela[0].size());
    const QByteArray mem = p.czytaj(adres, ile * rozmiar);
    for (int r = 0; r < ile; ++r)
        for (int j = 0; j < rozmiar; ++j)
            if (tabela[od + r][j] != Bajt(mem[r * rozmiar + j]))
                return QStringLiteral("record %1 byte %2 at 0x%3")
                    .arg(od + r)
                    .arg(j)
                    .arg(adres + r * rozmiar + j, 4, 16, QLatin1Char('0'));
    return QString();
}

template <typename T> void losuj(T& tabela, QRandomGenerator& los)
{
    for (auto& rekord : tabela)
        for (auto& b : rekord)
            b = Bajt(los.bounded(256));
}
} // namespace

QString roznicaZPamiecia(const Konfiguracja& k, const PamiecCentrali& p, bool zUrzadzeniami)
{
    for (const QString& r :
         {rekordy(k.Linie, 1, 80, 0x2000, p), rekordy(k.WyjOC, 1, 16, 0x3000, p),
          rekordy(k.WyjPk, 1, 2, 0x3180, p), rekordy(k.Kontrole, 1, 24, 0x1300, p),
          rekordy(k.Strefy, 1, 10, 0x0200, p)})
        if (!r.isEmpty())
            return r;
    const QByteArray sys = p.czytaj(0x1070, 5);
    const Bajt skalary[] = {k.Buzzery, k.KodyTajne, k.CzasKodu, k.KlawFun, k.CzasBlokady};
    for (int j = 0; j < 5; ++j)
        if (skalary[j] != Bajt(sys[j]))
            return QStringLiteral("system byte %1").arg(j);
    const QByteArray auto_ = p.czytaj(0x13D0, 5);
    for (int j = 0; j < 5; ++j)
        if (k.AutoUzbr[j] != Bajt(auto_[j]))
            return QStringLiteral("automatic arming byte %1").arg(j);
    if (zUrzadzeniami) {
        const QByteArray urz = p.czytaj(0x0080, 16);
        for (int i = 1; i <= 16; ++i)
            if (k.Urzadzenia[i] != Bajt(urz[i - 1]))
                return QStringLiteral("device %1").arg(i);
    }
    const QByteArray nazwy = p.czytaj(0x0D00, 256);
    QStringEncoder cp1250("windows-1250");
    for (int n = 0; n < 32; ++n) {
        // The panel keeps every name as 8 bytes, cut or padded with blanks.
        const QByteArray oczekiwane = QByteArray(cp1250(k.NazwyLinii[224 + n])).left(8);
        if (nazwy.mid(8 * n, 8) != oczekiwane.leftJustified(8, ' '))
            return QStringLiteral("name %1").arg(224 + n);
    }
    return QString();
}

Konfiguracja losowyObraz(const Konfiguracja& baza, quint32 ziarno)
{
    QRandomGenerator los(ziarno);
    Konfiguracja k = baza;
    losuj(k.Linie, los);
    losuj(k.WyjOC, los);
    losuj(k.WyjPk, los);
    losuj(k.Kontrole, los);
    losuj(k.Strefy, los);
    k.Buzzery = Bajt(los.bounded(256)), k.KodyTajne = 1, k.CzasKodu = 30, k.KlawFun = 15;
    k.CzasBlokady = Bajt(los.bounded(256));
    k.AutoUzbr = {21, 45, 5, 0xFF, Bajt(los.bounded(256))};
    for (int n = 224; n < 256; ++n)
        k.NazwyLinii[n] = QStringLiteral("N%1").arg(los.bounded(1000000));
    k.NazwyLinii[224] = QStringLiteral("ABC");
    k.NazwyLinii[255] = QStringLiteral("BARDZODLUGA");
    return k;
}

} // namespace zr05
