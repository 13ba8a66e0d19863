// Every input saved under tests/fuzz/<property>/ - the fuzzers' seeds and each input that once
// broke a property - goes through that property again.

#include "Wlasnosci.h"

#include <QDir>
#include <QTest>

using namespace zr05;

class TstZapisaneWejscia : public QObject
{
    Q_OBJECT
    using Wlasnosc = QString (*)(QByteArrayView);
    const QMap<QString, Wlasnosc> m_wlasnosci = {{"odbiornik", wlasnosci::odbiornik},
                                                 {"plikKonfiguracji", wlasnosci::plikKonfiguracji},
                                                 {"komunikat", wlasnosci::komunikat},
                                                 {"rekordArchiwum", wlasnosci::rekordArchiwum}};

private slots:
    void wejscie_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QByteArray>("dane");
        const QDir korzen(QStringLiteral(ZR05_WEJSCIA_FUZZ));
        for (const QString& w : korzen.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QVERIFY2(m_wlasnosci.contains(w), qPrintable("no property named " + w));
            for (const QFileInfo& plik : QDir(korzen.filePath(w)).entryInfoList(QDir::Files)) {
                QFile f(plik.filePath());
                QVERIFY(f.open(QIODevice::ReadOnly));
                QTest::newRow(qPrintable(w + '/' + plik.fileName())) << w << f.readAll();
            }
        }
    }
    void wejscie()
    {
        QFETCH(QString, nazwa);
        QFETCH(QByteArray, dane);
        const QString blad = m_wlasnosci[nazwa](dane);
        QVERIFY2(blad.isEmpty(), qPrintable(blad));
    }
};

QTEST_GUILESS_MAIN(TstZapisaneWejscia)
#include "tst_zapisanewejscia.moc"
