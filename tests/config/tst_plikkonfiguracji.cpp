// The ".vor" layout byte for byte, and both directions of the round trip.
#include "config/Nazwy1250.h"
#include "config/PlikKonfiguracji.h"
#include "tables/NazwyLinii.h"

#include <QBuffer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <numeric>

using namespace zr05;

namespace
{
template <typename Tablica> void losuj(Tablica& t, QRandomGenerator& g)
{
    for (auto& r : t)
        for (auto& b : r)
            b = Bajt(g.bounded(256));
}

// Every byte random, record 0 included; user names made of any Windows-1250 characters.
Konfiguracja losowyObraz(quint32 ziarno)
{
    QRandomGenerator g(ziarno);
    Konfiguracja o;
    WpiszNazwyLinii(o.NazwyLinii);
    losuj(o.Linie, g);
    losuj(o.WyjOC, g);
    losuj(o.WyjPk, g);
    losuj(o.Kontrole, g);
    losuj(o.Strefy, g);
    for (auto& b : o.Urzadzenia)
        b = Bajt(g.bounded(256));
    for (auto& b : o.AutoUzbr)
        b = Bajt(g.bounded(256));
    for (Bajt* b : {&o.KodyTajne, &o.Buzzery, &o.CzasKodu, &o.KlawFun, &o.CzasBlokady})
        *b = Bajt(g.bounded(256));
    for (int i = 224; i < 256; ++i) {
        QByteArray bajty(8, ' ');
        for (auto& c : bajty)
            c = char(g.bounded(256));
        o.NazwyLinii[i] = nazwaZBajtow(bajty);
    }
    return o;
}

QByteArray zapisz(const Konfiguracja& o)
{
    QBuffer bufor;
    bufor.open(QIODevice::WriteOnly);
    const auto w = ZapiszKonfig(o, bufor);
    if (!w)
        qWarning() << w.komunikat;
    return bufor.data();
}

QByteArray iconv(const QByteArray& wejscie, const QString& z, const QString& na)
{
    QProcess p;
    p.start(QStringLiteral("iconv"), {QStringLiteral("-f"), z, QStringLiteral("-t"), na});
    p.write(wejscie);
    p.closeWriteChannel();
    p.waitForFinished();
    return p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray("<iconv failed>");
}
} // namespace

class TstPlikKonfiguracji : public QObject
{
    Q_OBJECT

private slots:
    void przesunieciaTabel()
    {
        Konfiguracja o = losowyObraz(11);
        for (int i = 224; i < 256; ++i)
            o.NazwyLinii[i] = QString("N%1-ab").arg(i);
        const QByteArray d = zapisz(o);
        QCOMPARE(d.size(), 3626);
        auto bajt = [&](int poz) { return Bajt(d[poz]); };
        for (int n = 1; n <= 80; ++n)
            for (int b = 0; b < 32; ++b)
                QCOMPARE(bajt(32 * (n - 1) + b), o.Linie[n][b]);
        for (int n = 1; n <= 16; ++n)
            for (int b = 0; b < 24; ++b)
                QCOMPARE(bajt(2560 + 24 * (n - 1) + b), o.WyjOC[n][b]);
        for (int n = 1; n <= 2; ++n)
            for (int b = 0; b < 24; ++b)
                QCOMPARE(bajt(2944 + 24 * (n - 1) + b), o.WyjPk[n][b]);
        for (int k = 1; k <= 16; ++k)
            QCOMPARE(bajt(2992 + k - 1), o.Urzadzenia[k]);
        QCOMPARE(bajt(3008), o.KodyTajne);
        QCOMPARE(bajt(3009), o.Buzzery);
        QCOMPARE(bajt(3010), o.CzasKodu);
        QCOMPARE(bajt(3011), o.KlawFun);
        QCOMPARE(bajt(3012), o.CzasBlokady);
        for (int n = 1; n <= 24; ++n)
            for (int b = 0; b < 8; ++b)
                QCOMPARE(bajt(3013 + 8 * (n - 1) + b), o.Kontrole[n][b]);
        for (int b = 0; b < 5; ++b)
            QCOMPARE(bajt(3205 + b), o.AutoUzbr[b]);
        for (int z = 1; z <= 10; ++z)
            for (int b = 0; b < 16; ++b)
                QCOMPARE(bajt(3210 + 16 * (z - 1) + b), o.Strefy[z][b]);
        for (int i = 224; i < 256; ++i)
            QCOMPARE(d.mid(3370 + 8 * (i - 224), 8), QString("N%1-ab ").arg(i).toLatin1());
    }

    void skalaryNieWKolejnosciCentrali()
    {
        Konfiguracja o;
        o.KodyTajne = 1;
        o.Buzzery = 2;
        o.CzasKodu = 3;
        o.KlawFun = 4;
        o.CzasBlokady = 5;
        QCOMPARE(zapisz(o).mid(3008, 5), QByteArray("\x01\x02\x03\x04\x05"));
    }

    void rekordZeroNieJestZapisywany()
    {
        Konfiguracja a, b;
        b.Linie[0].fill(0xAA);
        b.WyjOC[0].fill(0xAA);
        b.WyjPk[0].fill(0xAA);
        b.Urzadzenia[0] = 0xAA;
        b.Kontrole[0].fill(0xAA);
        b.Strefy[0].fill(0xAA);
        QCOMPARE(zapisz(b), zapisz(a));
    }

    void zapisPotemOdczyt_data()
    {
        QTest::addColumn<quint32>("ziarno");
        for (quint32 z : {1u, 2u, 3u, 77u, 12345u})
            QTest::newRow(qPrintable(QString::number(z))) << z;
    }
    void zapisPotemOdczyt()
    {
        QFETCH(quint32, ziarno);
        const Konfiguracja zrodlo = losowyObraz(ziarno);
        QTemporaryDir katalog;
        const QString sciezka = katalog.filePath("a.vor");
        QVERIFY(ZapiszKonfig(zrodlo, sciezka));
        QCOMPARE(QFileInfo(sciezka).size(), 3626);

        Konfiguracja cel = losowyObraz(ziarno + 1000);
        cel.NazwyLinii[5] = "inny slownik"; // the fixed part is not in the file
        const Konfiguracja przed = cel;
        const auto w = CzytajKonfig(sciezka, cel);
        QVERIFY2(w, qPrintable(w.komunikat));

        // Records 0 and the dictionary 0..223 keep the reader's values; all else is the writer's.
        Konfiguracja oczekiwany = zrodlo;
        oczekiwany.Linie[0] = przed.Linie[0];
        oczekiwany.WyjOC[0] = przed.WyjOC[0];
        oczekiwany.WyjPk[0] = przed.WyjPk[0];
        oczekiwany.Urzadzenia[0] = przed.Urzadzenia[0];
        oczekiwany.Kontrole[0] = przed.Kontrole[0];
        oczekiwany.Strefy[0] = przed.Strefy[0];
        std::copy(przed.NazwyLinii.begin(), przed.NazwyLinii.begin() + 224,
                  oczekiwany.NazwyLinii.begin());
        QVERIFY(cel == oczekiwany);
    }

    void odczytPotemZapis_data()
    {
        QTest::addColumn<quint32>("ziarno");
        for (quint32 z : {5u, 6u, 7u, 8u, 99u, 4242u})
            QTest::newRow(qPrintable(QString::number(z))) << z;
    }
    void odczytPotemZapis()
    {
        QFETCH(quint32, ziarno);
        QRandomGenerator g(ziarno);
        QByteArray plik(3626, '\0');
        for (int i = 0; i < 3370; ++i)
            plik[i] = char(g.bounded(256));
        // The name area holds every byte value exactly once, zero and the undefined ones included.
        std::array<int, 256> wartosci;
        std::iota(wartosci.begin(), wartosci.end(), 0);
        std::shuffle(wartosci.begin(), wartosci.end(), g);
        for (int i = 0; i < 256; ++i)
            plik[3370 + i] = char(wartosci[i]);

        QBuffer wejscie(&plik);
        wejscie.open(QIODevice::ReadOnly);
        Konfiguracja o;
        QVERIFY(CzytajKonfig(wejscie, o));
        for (int i = 224; i < 256; ++i)
            QCOMPARE(o.NazwyLinii[i].size(), 8);
        QCOMPARE(zapisz(o), plik);

        // and the same through real files
        QTemporaryDir katalog;
        QFile f(katalog.filePath("los.vor"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(plik);
        f.close();
        Konfiguracja p;
        QVERIFY(CzytajKonfig(f.fileName(), p));
        QVERIFY(ZapiszKonfig(p, katalog.filePath("kopia.vor")));
        QFile kopia(katalog.filePath("kopia.vor"));
        QVERIFY(kopia.open(QIODevice::ReadOnly));
        QCOMPARE(kopia.readAll(), plik);
    }

    void nazwy_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("bajty");
        QTest::addColumn<QString>("poOdczycie");
        QTest::newRow("3 chars padded") << "abc" << QByteArray("abc     ") << "abc     ";
        QTest::newRow("a and b") << "ab" << QByteArray("\x61\x62\x20\x20\x20\x20\x20\x20")
                                 << "ab      ";
        QTest::newRow("10 chars cut") << "ABCDEFGHIJ" << QByteArray("ABCDEFGH") << "ABCDEFGH";
        QTest::newRow("exactly 8") << "12345678" << QByteArray("12345678") << "12345678";
        QTest::newRow("empty") << "" << QByteArray(8, ' ') << "        ";
        QTest::newRow("placeholder survives") << "<nn 230>" << QByteArray("<nn 230>") << "<nn 230>";
        QTest::newRow("trailing blanks kept") << "A  " << QByteArray("A       ") << "A       ";
        QTest::newRow("NUL inside") << QString(QChar(0)) + "X" << QByteArray("\0X      ", 8)
                                    << QString(QChar(0)) + "X      ";
    }
    void nazwy()
    {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, bajty);
        QFETCH(QString, poOdczycie);
        Konfiguracja o;
        o.NazwyLinii[230] = nazwa;
        QByteArray d = zapisz(o);
        QCOMPARE(d.mid(3370 + 6 * 8, 8), bajty);
        QBuffer b(&d);
        b.open(QIODevice::ReadOnly);
        Konfiguracja p;
        QVERIFY(CzytajKonfig(b, p));
        QCOMPARE(p.NazwyLinii[230], poOdczycie);
    }

    void polskieLiteryJakIconv_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::newRow("ĄąĆćĘęŁł") << QString::fromUtf8("ĄąĆćĘęŁł");
        QTest::newRow("ŃńÓóŚśŹź") << QString::fromUtf8("ŃńÓóŚśŹź");
        QTest::newRow("Żż and signs") << QString::fromUtf8("Żż€„”§°·");
        QTest::newRow("mixed") << QString::fromUtf8("PIĘTRO Ż");
    }
    void polskieLiteryJakIconv()
    {
        if (QStandardPaths::findExecutable("iconv").isEmpty())
            QSKIP("the system converter iconv is not installed");
        QFETCH(QString, nazwa);
        Konfiguracja o;
        o.NazwyLinii[224] = nazwa;
        const QByteArray bajty = zapisz(o).mid(3370, 8);
        QCOMPARE(QString::fromUtf8(iconv(bajty, "CP1250", "UTF-8")), nazwa);
        QCOMPARE(bajty, iconv(nazwa.toUtf8(), "UTF-8", "CP1250"));
    }

    void znakBezKoduNieJestZapisywany()
    {
        Konfiguracja o;
        o.NazwyLinii[240] = QString::fromUtf8("MAGĀZYN"); // A with macron: not in Windows-1250
        QBuffer bufor;
        bufor.open(QIODevice::WriteOnly);
        const auto w = ZapiszKonfig(o, bufor);
        QVERIFY(!w);
        QVERIFY2(w.komunikat.contains("240"), qPrintable(w.komunikat));
        QVERIFY(bufor.data().isEmpty());
        // past the eighth character it is cut off anyway
        o.NazwyLinii[240] = QString::fromUtf8("MAGAZYN1Ā");
        QCOMPARE(zapisz(o).mid(3370 + 16 * 8, 8), QByteArray("MAGAZYN1"));
    }
};

QTEST_GUILESS_MAIN(TstPlikKonfiguracji)
#include "tst_plikkonfiguracji.moc"
