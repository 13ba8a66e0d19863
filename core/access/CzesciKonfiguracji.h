#pragma once
// Names of the parts of the configuration that the upload writes, step by step, for telling
// the user which parts of the panel may hold wrong data.

#include <QList>
#include <QString>

namespace zr05
{

// The part written by upload step 60..100, as the user knows it ("linie 4–6").
QString czescKonfiguracji(int krok);
// The parts of these steps, one per line, each named once, in step order.
QString listaCzesci(const QList<int>& kroki);

} // namespace zr05
