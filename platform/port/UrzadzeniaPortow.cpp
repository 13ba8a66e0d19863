#include "UrzadzeniaPortow.h"

#include "AdresTcp.h"

#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QtGlobal>
#include <algorithm>

namespace zr05
{

namespace
{
int grupa(const QString& nazwa)
{
    if (nazwa.startsWith(QLatin1String("ttyS")))
        return 0;
    if (nazwa.startsWith(QLatin1String("ttyUSB")))
        return 1;
    if (nazwa.startsWith(QLatin1String("ttyACM")))
        return 2;
    return 3;
}

// The trailing number of a port name, so that ttyUSB10 comes after ttyUSB2.
long long numerNazwy(const QString& nazwa)
{
    static const QRegularExpression cyfry(QStringLiteral("(\\d+)$"));
    const auto dopasowanie = cyfry.match(nazwa);
    return dopasowanie.hasMatch() ? dopasowanie.captured(1).toLongLong() : -1;
}

QString opisZSystemu(const QString& sciezka)
{
    if (jestAdresemTcp(sciezka))
        return QStringLiteral("serwer portu szeregowego w sieci");
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.systemLocation() == sciezka || info.portName() == sciezka)
            return info.description();
    return {};
}
} // namespace

QStringList uporzadkujPorty(QStringList nazwy)
{
    std::stable_sort(nazwy.begin(), nazwy.end(), [](const QString& a, const QString& b) {
        const int ga = grupa(a), gb = grupa(b);
        if (ga != gb)
            return ga < gb;
        const long long na = numerNazwy(a), nb = numerNazwy(b);
        if (na != nb)
            return na < nb;
        return a < b;
    });
    return nazwy;
}

std::optional<UrzadzeniePortu> urzadzenieCom(int numer)
{
    if (numer < 1 || numer > 4)
        return std::nullopt;
#ifdef Q_OS_WIN
    const QString nazwa = QStringLiteral("COM%1").arg(numer);
    return UrzadzeniePortu{nazwa, opisZSystemu(nazwa)};
#else
    const QString zmienna =
        qEnvironmentVariable(qPrintable(QStringLiteral("ZR05_COM%1").arg(numer)));
    if (!zmienna.isEmpty())
        return UrzadzeniePortu{zmienna, opisZSystemu(zmienna)};

    QStringList nazwy;
    QList<QSerialPortInfo> porty = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : porty)
        nazwy << info.portName();
    nazwy = uporzadkujPorty(nazwy);
    if (numer > nazwy.size())
        return std::nullopt;
    for (const QSerialPortInfo& info : porty)
        if (info.portName() == nazwy[numer - 1])
            return UrzadzeniePortu{info.systemLocation(), info.description()};
    return std::nullopt;
#endif
}

QString opisUrzadzeniaCom(int numer)
{
    const auto u = urzadzenieCom(numer);
    if (!u)
        return QStringLiteral("(brak takiego portu w systemie)");
    return u->opis.isEmpty() ? u->sciezka : u->sciezka + QStringLiteral(", ") + u->opis;
}

} // namespace zr05
