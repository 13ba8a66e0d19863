// All six configuration editors over random images: saving every record as shown changes no
// byte, and an editor left open while another configuration is read saves only the new one.

#include "LosowyObraz.h"
#include "Module1.h"
#include "PrzechwytKomunikatow.h"
#include "config/PlikKonfiguracji.h"
#include "editors/EdytorAutoUzbrajania.h"
#include "editors/EdytorKlawiatur.h"
#include "editors/EdytorKontroli.h"
#include "editors/EdytorLinii.h"
#include "editors/EdytorStref.h"
#include "editors/EdytorWyjsc.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zr05;

namespace
{
using Pokaz = void (*)(Module1&, QWidget*);

struct Edytor {
    Pokaz pokaz;
    const char* okno;
    const char* wybor;  // the record selector, or nullptr for a window of one record
    const char* zapisz; // the save button
};

const Edytor Edytory[] = {
    {pokazEdytorLinii, "Form4", "Combo1", "Command5"},
    {pokazEdytorStref, "Form10", "Combo1", "Command5"},
    {pokazEdytorWyjsc, "Form8", "Combo1", "Command3"},
    {pokazEdytorKontroli, "Form5", "Combo1", "Command4"},
    {pokazEdytorAutoUzbrajania, "Form6", nullptr, "Command3"},
    {pokazEdytorKlawiatur, "Form7", nullptr, "Command1"},
};

QWidget* otworz(Module1& m, const Edytor& e)
{
    e.pokaz(m, nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(e.okno) && w->isVisible())
            return w;
    return nullptr;
}

// Every record the window offers is chosen and saved, with OK to the question.
void zapiszKazdyRekord(QWidget* okno, const Edytor& e)
{
    PrzechwytKomunikatow odpowiedzi(true);
    auto* zapisz = okno->findChild<QPushButton*>(QLatin1String(e.zapisz));
    QVERIFY(zapisz);
    if (!e.wybor) {
        zapisz->click();
        return;
    }
    auto* wybor = okno->findChild<QComboBox*>(QLatin1String(e.wybor));
    QVERIFY(wybor);
    for (int i = 0; i < wybor->count(); ++i) {
        wybor->setCurrentIndex(i);
        emit wybor->activated(i);
        zapisz->click();
    }
    QVERIFY(!odpowiedzi.pytania.isEmpty() || wybor->count() == 0);
    QVERIFY(!odpowiedzi.pytania.contains(false)); // only the save questions
}

void zamknij(QWidget* okno)
{
    QPointer<QWidget> o(okno);
    o->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!o);
}

QByteArray bajty(const Konfiguracja& k)
{
    QByteArray b;
    obrazDoBajtow(k, b);
    return b;
}

// The first differing file offset, to name the field in a failure.
QString roznica(const QByteArray& a, const QByteArray& b)
{
    for (int i = 0; i < qMin(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return QStringLiteral("offset %1: %2 instead of %3")
                .arg(i)
                .arg(quint8(a[i]))
                .arg(quint8(b[i]));
    return QStringLiteral("sizes %1, %2").arg(a.size()).arg(b.size());
}
} // namespace

class TestEdytoryKonfiguracji : public QObject
{
    Q_OBJECT

    static void wiersze()
    {
        QTest::addColumn<int>("edytor");
        QTest::addColumn<quint32>("ziarno");
        const char* nazwy[] = {"linie", "strefy", "wyjscia", "kontrole", "auto", "klawiatury"};
        for (int e = 0; e < 6; ++e)
            for (quint32 z : {1u, 2u, 3u, 4u})
                QTest::addRow("%s %u", nazwy[e], z) << e << z;
    }

private slots:
    void niezmienionyZapisNicNieZmienia_data() { wiersze(); }
    void niezmienionyZapisNicNieZmienia()
    {
        QFETCH(int, edytor);
        QFETCH(quint32, ziarno);
        const Edytor& e = Edytory[edytor];
        Module1 m;
        m.Obraz = losowyObraz(ziarno);
        m.WpisKonfig();
        const Konfiguracja przed = m.Obraz;
        QWidget* okno = otworz(m, e);
        QVERIFY(okno);
        zapiszKazdyRekord(okno, e);
        zamknij(okno);
        QVERIFY2(bajty(m.Obraz) == bajty(przed), qPrintable(roznica(bajty(m.Obraz), bajty(przed))));
        QVERIFY(m.Obraz == przed);
    }

    void otwartyEdytorPrzyOdczycieZapisujeNowa_data() { wiersze(); }
    void otwartyEdytorPrzyOdczycieZapisujeNowa()
    {
        QFETCH(int, edytor);
        QFETCH(quint32, ziarno);
        const Edytor& e = Edytory[edytor];
        QTemporaryDir katalog;
        const QString plik = katalog.filePath("b.vor");
        QVERIFY(ZapiszKonfig(losowyObraz(ziarno + 100), plik));
        Konfiguracja b;
        QVERIFY(CzytajKonfig(plik, b));

        Module1 m;
        m.Obraz = losowyObraz(ziarno);
        m.WpisKonfig();
        QWidget* okno = otworz(m, e);
        QVERIFY(okno);
        QVERIFY(CzytajKonfig(m, plik));
        QVERIFY(bajty(m.Obraz) == bajty(b));
        zapiszKazdyRekord(okno, e);
        zamknij(okno);
        QVERIFY2(bajty(m.Obraz) == bajty(b), qPrintable(roznica(bajty(m.Obraz), bajty(b))));
    }
};

QTEST_MAIN(TestEdytoryKonfiguracji)
#include "tst_edytorykonfiguracji.moc"
