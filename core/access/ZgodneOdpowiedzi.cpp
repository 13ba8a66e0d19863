#include "ZgodneOdpowiedzi.h"

namespace zr05
{

std::optional<QByteArray> ZgodneOdpowiedzi::odpowiedz(const QByteArray& dane)
{
    if (m_odpowiedzi.contains(dane)) {
        m_odpowiedzi.clear();
        return dane;
    }
    m_odpowiedzi.append(dane);
    return std::nullopt;
}

} // namespace zr05
