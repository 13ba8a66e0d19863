#include "RamkiOnLine.h"

#include "Lampka.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zr05
{

namespace
{
const QColor Bialy(255, 255, 255);
const QColor Zielony(0, 255, 0);
const QColor Czerwony(255, 0, 0);
const QColor Niebieski(0, 128, 255);
const QColor Zolty(255, 255, 0);

QGroupBox* nowaRamka(const char* nazwa, const QString& tytul, QWidget* rodzic)
{
    auto* ramka = new QGroupBox(tytul, rodzic);
    ramka->setObjectName(QLatin1String(nazwa));
    ramka->setVisible(false);
    return ramka;
}

QLineEdit* lampka(const QString& nazwa, int indeks, const QString& tekst, const QColor& tlo,
                  QWidget* rodzic, int szerokosc = 28)
{
    auto* l = nowaLampka(QStringLiteral("%1_%2").arg(nazwa).arg(indeks), tekst, tlo, rodzic);
    l->setFixedWidth(szerokosc);
    return l;
}

QLineEdit* legenda(const QString& nazwa, int indeks, const QString& tekst, const QColor& tlo,
                   const QString& podpowiedz, QWidget* rodzic)
{
    auto* l = nowaLampka(QStringLiteral("%1_%2").arg(nazwa).arg(indeks), tekst, tlo, rodzic);
    l->setToolTip(podpowiedz);
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(tekst) + 16);
    return l;
}
} // namespace

QGroupBox* nowaRamkaLinii(QWidget* rodzic)
{
    auto* ramka = nowaRamka("Frame1", QStringLiteral("STANY LINII:"), rodzic);
    auto* siatka = new QGridLayout;
    siatka->setSpacing(2);
    constexpr int wRzedzie = 20;
    for (int i = 0; i < 80; ++i)
        siatka->addWidget(lampka(QStringLiteral("Text4"), i, QString::number(i + 1), Bialy, ramka),
                          i / wRzedzie, i % wRzedzie);

    auto* dol = new QHBoxLayout;
    dol->setSpacing(4);
    dol->addWidget(legenda(QStringLiteral("Text8"), 0, QStringLiteral("Rozbr."), Bialy,
                           QStringLiteral("Kolor linii rozbrojonej."), ramka));
    dol->addWidget(legenda(QStringLiteral("Text8"), 1, QStringLiteral("Uzbr."), Zielony,
                           QStringLiteral("kolor linii uzbrojonej"), ramka));
    dol->addWidget(legenda(QStringLiteral("Text8"), 2, QStringLiteral("Alarm"), Czerwony,
                           QStringLiteral("Kolor linii z alarmem"), ramka));
    dol->addWidget(legenda(QStringLiteral("Text8"), 3, QStringLiteral("Sabot."), Niebieski,
                           QStringLiteral("Kolor linii z sabotażem"), ramka));
    dol->addWidget(legenda(QStringLiteral("Text8"), 4, QStringLiteral("Nie istnieje"),
                           KolorNieistniejacej,
                           QStringLiteral("Kolor linii nie istniejącej w danym systemie"), ramka));
    dol->addStretch();

    auto* stan = nowaLampka(QStringLiteral("Text6"), QStringLiteral("STAN SYSTEMU"),
                            QApplication::palette().color(QPalette::Window), ramka);
    stan->setToolTip(QStringLiteral("Stan Systemu"));
    QPalette p = stan->palette();
    p.setColor(QPalette::Text, QColor(0, 0, 255));
    stan->setPalette(p);
    QFont f = stan->font();
    f.setBold(true);
    stan->setFont(f);
    stan->setMinimumWidth(
        stan->fontMetrics().horizontalAdvance(QStringLiteral("KONFIGURACJA SYSTEMU")) + 20);
    dol->addWidget(stan);

    auto* uklad = new QVBoxLayout(ramka);
    uklad->addLayout(siatka);
    uklad->addLayout(dol);
    return ramka;
}

QGroupBox* nowaRamkaStref(QWidget* rodzic)
{
    auto* ramka = nowaRamka("Frame5", QStringLiteral("STANY STREF:"), rodzic);
    auto* lampki = new QHBoxLayout;
    lampki->setSpacing(2);
    for (int i = 0; i < 10; ++i) {
        auto* l = lampka(QStringLiteral("Text2"), i, QString::number(i + 1), Bialy, ramka);
        l->setToolTip(QStringLiteral("Stan strefy %1").arg(i + 1));
        lampki->addWidget(l);
    }
    lampki->addStretch();
    auto* dol = new QHBoxLayout;
    dol->setSpacing(4);
    dol->addWidget(legenda(QStringLiteral("Text2"), 10, QStringLiteral("ROZB."), Bialy,
                           QStringLiteral("Kolor strefy rozbrojonej"), ramka));
    dol->addWidget(legenda(QStringLiteral("Text2"), 11, QStringLiteral("UZBR."), Zielony,
                           QStringLiteral("kolor strefy uzbrojonej"), ramka));
    dol->addWidget(legenda(QStringLiteral("Text2"), 12, QStringLiteral("CZ.UZ."), Zolty,
                           QStringLiteral("kolor strefy częściowo uzbrojonej"), ramka));
    dol->addStretch();
    auto* uklad = new QVBoxLayout(ramka);
    uklad->addLayout(lampki);
    uklad->addLayout(dol);
    uklad->addStretch();
    return ramka;
}

QGroupBox* nowaRamkaAlarmow(QWidget* rodzic)
{
    static const char* const podpisy[10] = {
        "napadowy *,#",        "\"pod przymusem\"",   "sabotaż centrali",    "sabotaż klawiatury",
        "nieobecn. strażnika", "awaria akumulatotra", "sabotaż podcentrali", "błąd transmisji",
        "zanik sieci 220V",    "blokada klawiatury"};
    auto* ramka = nowaRamka("Frame6", QStringLiteral("Wybrane alarmy:"), rodzic);
    auto* siatka = new QGridLayout(ramka);
    siatka->setHorizontalSpacing(6);
    siatka->setVerticalSpacing(2);
    for (int i = 0; i < 10; ++i) {
        const int wiersz = i % 5, kolumna = (i / 5) * 2;
        siatka->addWidget(lampka(QStringLiteral("Text3"), i, QString(), Bialy, ramka, 18), wiersz,
                          kolumna);
        auto* podpis = new QLabel(QString::fromUtf8(podpisy[i]), ramka);
        podpis->setObjectName(QStringLiteral("Label2_%1").arg(i));
        siatka->addWidget(podpis, wiersz, kolumna + 1);
    }
    siatka->setColumnStretch(1, 1);
    siatka->setColumnStretch(3, 1);
    return ramka;
}

QGroupBox* nowaRamkaZegara(QWidget* rodzic)
{
    static const char* const podpowiedzi[6] = {
        "Czas centralki - sekundy", "Czas centralki - minuty",  "Czas centralki - godziny",
        "Data centralki - dzień",   "Data centralki - miesiąc", "Data centralki - rok"};
    auto* ramka = nowaRamka("Frame4", QStringLiteral("Data i czas centralki:"), rodzic);
    QLineEdit* pola[6];
    for (int i = 0; i < 6; ++i) {
        auto* p = new QLineEdit(ramka);
        p->setObjectName(QStringLiteral("Text1_%1").arg(i));
        p->setReadOnly(true);
        p->setAlignment(Qt::AlignCenter);
        p->setToolTip(QString::fromUtf8(podpowiedzi[i]));
        p->setFixedWidth(p->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
        QPalette paleta = p->palette();
        paleta.setColor(QPalette::Text, QColor(0, 0, 255));
        p->setPalette(paleta);
        pola[i] = p;
    }
    auto* uklad = new QHBoxLayout(ramka);
    uklad->setSpacing(2);
    auto separator = [&](const char* tekst) {
        auto* l = new QLabel(QLatin1String(tekst), ramka);
        uklad->addWidget(l);
    };
    uklad->addWidget(pola[2]);
    separator(":");
    uklad->addWidget(pola[1]);
    separator(":");
    uklad->addWidget(pola[0]);
    uklad->addSpacing(14);
    uklad->addWidget(pola[3]);
    separator("_");
    uklad->addWidget(pola[4]);
    separator("_");
    uklad->addWidget(pola[5]);
    uklad->addStretch();
    return ramka;
}

QGroupBox* nowaRamkaRejestru(QWidget* rodzic)
{
    auto* ramka = nowaRamka("Frame2", QStringLiteral("Bieżący rejestr zdarzeń i alarmów:"), rodzic);
    // The operator may edit the register; new lines go in front of whatever it holds.
    auto* rejestr = new QPlainTextEdit(ramka);
    rejestr->setObjectName(QStringLiteral("Text5"));
    rejestr->setLineWrapMode(QPlainTextEdit::NoWrap);
    rejestr->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    rejestr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* drukuj = new QPushButton(QStringLiteral("Drukuj rejestr"), ramka);
    drukuj->setObjectName(QStringLiteral("Command10"));
    drukuj->setToolTip(
        QStringLiteral("Drukowanie zawartości bieżącego rejestru zdarzeń i alarmów"));
    auto* wyczysc = new QPushButton(QStringLiteral("Wyczyść rejestr"), ramka);
    wyczysc->setObjectName(QStringLiteral("Command1"));
    wyczysc->setToolTip(
        QStringLiteral("Zerowanie zawartości bieżącego rejestru zdarzeń i alarmów"));

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(drukuj);
    przyciski->addWidget(wyczysc);
    auto* uklad = new QVBoxLayout(ramka);
    uklad->addWidget(rejestr);
    uklad->addLayout(przyciski);
    return ramka;
}

} // namespace zr05
