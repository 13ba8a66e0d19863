#pragma once
// Breaking a printed text that would pass the right margin: the rest goes on in the next line
// at the same indent, so nothing printed is lost off the edge of the paper. Widths depend on
// the printer's font, so the caller measures.

#include <QStringList>
#include <functional>

namespace zr05
{

using MiaraTekstu = std::function<double(const QString&)>;

// The pieces of `tekst` printed from `x`: the first stays at `x`, each further one starts a new
// line at `wciecie`; none passes `prawyBrzeg`. Breaks fall after blanks (the blanks stay at the
// end of the piece, where they print nothing); a word wider than a whole line is cut between
// its characters. An empty first piece means nothing fits at `x`: the text starts on the next
// line.
QStringList zawijaj(const QString& tekst, double x, double wciecie, double prawyBrzeg,
                    const MiaraTekstu& szerokosc);

} // namespace zr05
