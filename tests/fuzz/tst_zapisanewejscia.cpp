// Every input saved under tests/fuzz/<property>/ - the fuzzers' seeds and each input that once
// broke a property - goes through that property again.

#include "Wlasnosci.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace zr05;

namespace
{
using Wlasnosc = QString (*)(QByteArrayView);

Wlasnosc wlasnosc(const QString& nazwa)
{
    if (nazwa == QLatin1String("odbiornik"))
        return wlasnosci::odbiornik;
    if (nazwa == QLatin1String("plikKonfiguracji"))
        return wlasnosci::plikKonfiguracji;
    if (nazwa == QLatin1String("komunikat"))
        return wlasnosci::komunikat;
    if (nazwa == QLatin1String("rekordArchiwum"))
        return wlasnosci::rekordArchiwum;
    return nullptr;
}
} // namespace

class TstZapisaneWejscia : public QObject
{
    Q_OBJECT
private slots:
    void wejscie_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("dane");
        const QDir korzen(QStringLiteral(ZR05_WEJSCIA_FUZZ));
        for (const QString& w : korzen.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QVERIFY2(wlasnosc(w), qPrintable("no property named " + w));
            const QDir katalog(korzen.filePath(w));
            for (const QString& plik : katalog.entryList(QDir::Files)) {
                QFile f(katalog.filePath(plik));
                QVERIFY(f.open(QIODevice::ReadOnly));
                QTest::newRow(qPrintable(w + '/' + plik)) << w << f.readAll();
            }
        }
    }
    void wejscie()
    {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, dane);
        const QString blad = wlasnosc(nazwa)(dane);
        QVERIFY2(blad.isEmpty(), qPrintable(blad));
    }
};

QTEST_GUILESS_MAIN(TstZapisaneWejscia)
#include "tst_zapisanewejscia.moc"
