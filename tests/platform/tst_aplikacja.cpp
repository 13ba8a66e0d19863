// The application speaks Polish in Qt's own texts and carries the program's title.

#include "Aplikacja.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

using namespace zr05;

class TestAplikacja : public QObject
{
    Q_OBJECT
private slots:
    void tytulIPolskiePrzyciski();
};

void TestAplikacja::tytulIPolskiePrzyciski()
{
    QMessageBox przed(QMessageBox::NoIcon, QString(), QString(),
                      QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(przed.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Cancel"));

    QVERIFY(przygotujAplikacje(*qApp));
    QCOMPARE(QCoreApplication::applicationName(),
             QStringLiteral("Program do centrali alarmowej ZR-5"));
    QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(),
                    QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')),
             QStringLiteral("Anuluj"));
    QCOMPARE(box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
}

QTEST_MAIN(TestAplikacja)
#include "tst_aplikacja.moc"
