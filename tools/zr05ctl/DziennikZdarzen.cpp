#include "DziennikZdarzen.h"

#include <QDir>

namespace zr05::ctl
{

bool DziennikZdarzen::otworz()
{
    if (m_plik.isOpen())
        m_plik.close();
    return m_plik.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool DziennikZdarzen::pisz(const QString& linia)
{
    const QByteArray b = linia.toUtf8();
    return m_plik.isOpen() && m_plik.write(b) == b.size() && m_plik.flush();
}

QString DziennikZdarzen::blad() const
{
    return QStringLiteral("Dziennik \"%1\": %2.")
        .arg(QDir::toNativeSeparators(m_plik.fileName()), m_plik.errorString());
}

} // namespace zr05::ctl
