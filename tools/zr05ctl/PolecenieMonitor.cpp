// The monitor: the on-line view's register lines as they come, for a terminal, a pipe or a
// permanent event log beside the panel.

#include "Polecenia.h"

#include "DziennikZdarzen.h"
#include "Konsola.h"
#include "Opcje.h"
#include "SesjaCentrali.h"
#include "Sygnaly.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <optional>

namespace zr05::ctl
{

namespace
{
const QString PolaczeniePrzywrocone = QStringLiteral("Połączenie z centralą przywrócone.");

// One output line: the computer's time, then the register line (or a link note).
QString wiersz(const QDateTime& czas, int kod, const QString& tekst, bool json)
{
    if (!json)
        return czas.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) + QStringLiteral("  ") + tekst +
               u'\n';
    QJsonObject o;
    o.insert(QStringLiteral("czas"),
             czas.toOffsetFromUtc(czas.offsetFromUtc()).toString(Qt::ISODate));
    o.insert(QStringLiteral("rodzaj"),
             kod < 0 ? QStringLiteral("łącze") : QStringLiteral("zdarzenie"));
    if (kod >= 0)
        o.insert(QStringLiteral("kod"), kod);
    o.insert(QStringLiteral("tekst"), tekst);
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + u'\n';
}
} // namespace

Wynik monitor(const QStringList& argumenty)
{
    Opcje o(QStringLiteral("monitor"),
            QStringLiteral("Włącza podgląd OnLine i wypisuje każdą linię rejestru zdarzeń i "
                           "alarmów, gdy przychodzi, z czasem komputera; działa do przerwania "
                           "(SIGINT, SIGTERM). Utratę i powrót łącza też zapisuje. SIGHUP otwiera "
                           "dziennik --log ponownie (po logrotate)."));
    o.dodajLacze(false);
    o.dodaj({QStringLiteral("json"),
             QStringLiteral("Jeden obiekt JSON w wierszu: czas, rodzaj, kod, tekst.")});
    o.dodaj({QStringLiteral("log"),
             QStringLiteral("Dopisuje też każdy wiersz do tego pliku, od razu na dysk."),
             QStringLiteral("PLIK")});
    if (auto koniec = o.przetworz(argumenty, 0))
        return *koniec;
    const bool json = o.jest(QStringLiteral("json"));

    std::optional<DziennikZdarzen> dziennik;
    if (o.jest(QStringLiteral("log"))) {
        dziennik.emplace(o.wartosc(QStringLiteral("log")));
        if (!dziennik->otworz())
            return {BladPliku, dziennik->blad()};
    }

    SesjaCentrali s(o.limit());
    Sygnaly sygnaly({SIGINT, SIGTERM, SIGHUP});
    QObject::connect(&sygnaly, &Sygnaly::odebrano, &s, [&](int numer) {
        if (numer != SIGHUP)
            s.przerwij({});
        else if (dziennik && !dziennik->otworz())
            s.przerwij({BladPliku, dziennik->blad()});
    });
    if (auto w = zacznij(s, o); !w.ok())
        return w;

    const auto wypiszWiersz = [&](int kod, QString tekst) {
        if (tekst.endsWith(QStringLiteral("\r\n")))
            tekst.chop(2);
        const QString w = wiersz(QDateTime::currentDateTime(), kod, tekst, json);
        wypisz(w);
        if (dziennik && !dziennik->pisz(w))
            s.przerwij({BladPliku, dziennik->blad()});
    };
    // After the register has taken the message, so its line is the one just formed.
    QObject::connect(&s.lacze, &Lacze::komunikat, &s, [&](const QByteArray& ramka) {
        const QString linia = s.zdarzenia.LinijkaRejestru();
        if (!linia.isEmpty())
            wypiszWiersz(Bajt(ramka[1]), linia);
    });
    bool utracone = false;
    QObject::connect(&s.m, &Module1::statusZmieniony, &s, [&](const QString& status) {
        if (status.startsWith(QLatin1String("BRAK"))) {
            utracone = true;
            wypiszWiersz(-1, status);
        } else if (utracone && status.isEmpty()) {
            utracone = false;
            wypiszWiersz(-1, PolaczeniePrzywrocone);
        }
    });
    s.m.ustawOnLine(true);
    return s.czekaj([] { return false; }, QString(), false);
}

} // namespace zr05::ctl
