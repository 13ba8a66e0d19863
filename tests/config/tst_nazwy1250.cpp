// Names as 8 bytes of Windows-1250: every byte value survives, the table agrees with the
// system converter, unwritable characters are caught.
#include "config/Nazwy1250.h"

#include <QProcess>
#include <QTest>

using namespace zr05;

class TstNazwy1250 : public QObject
{
    Q_OBJECT

private slots:
    void kazdyBajtWraca()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray bajty = QByteArray(1, char(b)) + QByteArray(7, 'Q');
            const QString nazwa = nazwaZBajtow(bajty);
            QCOMPARE(nazwa.size(), 8);
            QVERIFY2(nazwaDaSieZapisac(nazwa), qPrintable(QString::number(b, 16)));
            QCOMPARE(nazwaNaBajty(nazwa), bajty);
        }
    }

    // The table against the system's own converter: every byte iconv knows gives its character,
    // and exactly the five bytes it does not know stand for the control character alike.
    void zgodnaZIconv()
    {
        QByteArray wejscie;
        QList<int> bajty;
        for (int b = 0; b < 256; ++b)
            if (b != '\n') {
                bajty.append(b);
                wejscie.append(char(b)).append('\n');
            }
        QProcess iconv;
        iconv.start(QStringLiteral("iconv"), {"-c", "-f", "WINDOWS-1250", "-t", "UTF-8"});
        QVERIFY(iconv.waitForStarted());
        iconv.write(wejscie);
        iconv.closeWriteChannel();
        QVERIFY(iconv.waitForFinished());
        const QList<QByteArray> wiersze = iconv.readAllStandardOutput().split('\n');
        QCOMPARE(wiersze.size(), bajty.size() + 1);
        QList<int> nieznane;
        for (int i = 0; i < bajty.size(); ++i) {
            const int b = bajty[i];
            const QString nasz = nazwaZBajtow(QByteArray(1, char(b)));
            if (wiersze[i].isEmpty()) {
                nieznane.append(b);
                QCOMPARE(nasz, QString(QChar(b)));
            } else {
                QCOMPARE(nasz, QString::fromUtf8(wiersze[i]));
            }
        }
        QCOMPARE(nieznane, (QList<int>{0x81, 0x83, 0x88, 0x90, 0x98}));
    }

    void zapisywalnosc_data()
    {
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<bool>("daSie");
        QTest::newRow("ascii") << "MAGAZYN" << true;
        QTest::newRow("polish") << QString::fromUtf8("ŻÓŁW ĆMA") << true;
        QTest::newRow("euro sign") << QString::fromUtf8("€") << true;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("A macron") << QString::fromUtf8("Ā") << false;
        QTest::newRow("cyrillic") << QString::fromUtf8("ДОМ") << false;
        QTest::newRow("emoji") << QString::fromUtf8("A😀") << false;
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << false;
    }
    void zapisywalnosc()
    {
        QFETCH(QString, nazwa);
        QFETCH(bool, daSie);
        QCOMPARE(nazwaDaSieZapisac(nazwa), daSie);
    }

    void dopelnienieIObciecie()
    {
        QCOMPARE(nazwaNaBajty("ab"), QByteArray("ab      "));
        QCOMPARE(nazwaNaBajty("ABCDEFGHIJ"), QByteArray("ABCDEFGH"));
        QCOMPARE(nazwaNaBajty(QString()), QByteArray(8, ' '));
        QCOMPARE(nazwaNaBajty(QString::fromUtf8("ąż")), QByteArray("\xB9\xBF      "));
    }
};

QTEST_GUILESS_MAIN(TstNazwy1250)
#include "tst_nazwy1250.moc"
