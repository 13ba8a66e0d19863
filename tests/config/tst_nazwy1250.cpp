// Names as 8 bytes of Windows-1250: every byte value survives, unwritable characters are caught.
#include "config/Nazwy1250.h"

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

    void nieokresloneBajtyJakWWindows()
    {
        const QString n = nazwaZBajtow(QByteArray("\x81\x83\x88\x90\x98   "));
        QCOMPARE(n.left(5), QString::fromUtf16(u"\u0081\u0083\u0088\u0090\u0098"));
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
