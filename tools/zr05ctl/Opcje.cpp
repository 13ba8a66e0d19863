#include "Opcje.h"

#include "Konsola.h"

#include <QDateTime>
#include <QRegularExpression>

namespace zr05::ctl
{

namespace
{
const QStringList NazwySekcji = {
    QStringLiteral("naglowek"), QStringLiteral("klawiatury"), QStringLiteral("linie"),
    QStringLiteral("oc"),       QStringLiteral("pk"),         QStringLiteral("kontrole"),
    QStringLiteral("auto"),     QStringLiteral("strefy"),     QStringLiteral("system")};
constexpr int DomyslnyLimit = 15;
} // namespace

Opcje::Opcje(const QString& polecenie, const QString& opis, const QString& argumentyPozycyjne)
    : m_polecenie(polecenie), m_argumenty(argumentyPozycyjne)
{
    m_p.setApplicationDescription(opis);
    m_p.addOption(
        {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Pokazuje ten opis.")});
}

void Opcje::dodajLacze(bool instalator)
{
    m_lacze = true;
    m_p.addOption({QStringLiteral("port"),
                   QStringLiteral("Port centralki: urządzenie szeregowe (2400 bit/s 8N2), np. "
                                  "/dev/ttyUSB0, albo serwer portu szeregowego tcp://HOST:PORT."),
                   QStringLiteral("urządzenie")});
    m_p.addOption({QStringLiteral("code"),
                   QStringLiteral("Kod użytkownika lub nadzorcy. Lepiej w zmiennej ZR05_CODE: "
                                  "opcje widać na liście procesów. Bez obu program pyta o kod."),
                   QStringLiteral("kod")});
    if (instalator)
        m_p.addOption({QStringLiteral("installer-code"),
                       QStringLiteral("Kod instalatora. Lepiej w zmiennej ZR05_INSTALLER_CODE."),
                       QStringLiteral("kod")});
    m_p.addOption({QStringLiteral("timeout"),
                   QStringLiteral("Po ilu sekundach bez odpowiedzi centralki polecenie kończy się "
                                  "błędem łącza (domyślnie %1).")
                       .arg(DomyslnyLimit),
                   QStringLiteral("s"), QString::number(DomyslnyLimit)});
}

QString Opcje::pomoc() const
{
    QString t = m_p.helpText();
    // The parser's own headings are English; the tool speaks Polish.
    const int koniec = int(t.indexOf(u'\n'));
    t.replace(0, koniec,
              QStringLiteral("Użycie: zr05ctl %1 [opcje]%2")
                  .arg(m_polecenie, m_argumenty.isEmpty() ? QString() : u' ' + m_argumenty));
    t.replace(QStringLiteral("\nOptions:\n"), QStringLiteral("\nOpcje:\n"));
    t.replace(QStringLiteral("\nArguments:\n"), QStringLiteral("\nArgumenty:\n"));
    return t;
}

std::optional<Wynik> Opcje::przetworz(const QStringList& argumenty, int pozycyjnych)
{
    const auto zle = [this](const QString& co) {
        return Wynik{ZleUzycie, co + QStringLiteral("\nOpis: zr05ctl %1 --help").arg(m_polecenie)};
    };
    if (!m_p.parse(QStringList{QStringLiteral("zr05ctl")} + argumenty))
        return zle(m_p.errorText());
    if (m_p.isSet(QStringLiteral("help"))) {
        wypisz(pomoc());
        return Wynik{};
    }
    if (m_p.positionalArguments().size() != pozycyjnych)
        return zle(pozycyjnych == 0 ? QStringLiteral("Nieoczekiwany argument: %1.")
                                          .arg(m_p.positionalArguments().join(u' '))
                                    : QStringLiteral("Polecenie wymaga %1 argumentu(ów): %2.")
                                          .arg(pozycyjnych)
                                          .arg(m_argumenty));
    if (m_lacze) {
        if (m_p.value(QStringLiteral("port")).isEmpty())
            return zle(QStringLiteral("Brak opcji --port."));
        bool ok = false;
        const int s = m_p.value(QStringLiteral("timeout")).toInt(&ok);
        if (!ok || s < 1 || s > 3600)
            return zle(QStringLiteral("--timeout: liczba sekund od 1 do 3600."));
    }
    return std::nullopt;
}

std::optional<QString> Opcje::kod(bool instalator, Wynik& blad) const
{
    const QString opcja = instalator ? QStringLiteral("installer-code") : QStringLiteral("code");
    const char* zmienna = instalator ? "ZR05_INSTALLER_CODE" : "ZR05_CODE";
    const QString czyj =
        instalator ? QStringLiteral("instalatora") : QStringLiteral("użytkownika lub nadzorcy");
    if (m_p.isSet(opcja)) {
        wypiszBlad(QStringLiteral("Uwaga: kod podany w opcji --%1 widać na liście procesów; "
                                  "bezpieczniej podać go w zmiennej %2.\n")
                       .arg(opcja, QLatin1String(zmienna)));
        return m_p.value(opcja);
    }
    if (!qEnvironmentVariable(zmienna).isEmpty())
        return qEnvironmentVariable(zmienna);
    if (auto wpisany = czytajUkryte(QStringLiteral("Kod %1: ").arg(czyj)))
        return wpisany;
    blad = {ZleUzycie, QStringLiteral("Brak kodu %1: podaj go w zmiennej %2 albo uruchom "
                                      "polecenie na terminalu.")
                           .arg(czyj, QLatin1String(zmienna))};
    return std::nullopt;
}

std::optional<KluczCzasu> czytajDate(const QString& tekst)
{
    static const QRegularExpression Wzor(
        QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2}))?$)"));
    const auto d = Wzor.match(tekst.trimmed());
    if (!d.hasMatch())
        return std::nullopt;
    const int rok = d.captured(1).toInt();
    const QDate data(rok, d.captured(2).toInt(), d.captured(3).toInt());
    const int godzina = d.captured(4).toInt();
    const int minuta = d.captured(5).toInt();
    if (!data.isValid() || rok < 2000 || rok > 2099 || godzina > 23 || minuta > 59)
        return std::nullopt;
    return KluczCzasu{rok % 100, data.month(), data.day(), godzina, minuta};
}

std::optional<WyborSekcji> czytajSekcje(const QStringList& wartosci)
{
    if (wartosci.isEmpty())
        return WszystkieSekcje;
    WyborSekcji wybor{};
    for (const QString& w : wartosci)
        for (const QString& nazwa : w.split(u',', Qt::SkipEmptyParts)) {
            const int i = int(NazwySekcji.indexOf(nazwa.trimmed().toLower()));
            if (i < 0)
                return std::nullopt;
            wybor[i] = true;
        }
    return wybor;
}

QString nazwySekcji()
{
    return NazwySekcji.join(u',');
}

} // namespace zr05::ctl
