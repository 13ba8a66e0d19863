#pragma once
// A block read over a noisy line counts only when two answers to the same request agree byte
// for byte: an answer that lost bytes can be completed by the next frame into one with a good
// checksum, and two corrupted bytes can cancel out in the sum, but two independent faults
// practically never give the same wrong block twice.

#include <QByteArray>
#include <QList>
#include <optional>

namespace zr05
{

class ZgodneOdpowiedzi
{
public:
    // Answers to one read that may disagree before the read is given up.
    static constexpr int Limit = 8;

    // Starts over for another read.
    void nowyOdczyt() { m_odpowiedzi.clear(); }
    // One answer. The agreed block once two answers are equal; none while waiting.
    std::optional<QByteArray> odpowiedz(const QByteArray& dane);
    // The limit is reached without two equal answers.
    bool wyczerpane() const { return m_odpowiedzi.size() >= Limit; }

private:
    QList<QByteArray> m_odpowiedzi;
};

} // namespace zr05
