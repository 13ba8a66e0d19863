#pragma once
// Entry points of the six configuration editors, called by the main window's "&Program" menu
// after its gate has let them through. Each shows its window (not modal) and sets the status.

class QWidget;

namespace zr05
{

class Module1;

void pokazEdytorLinii(Module1& m, QWidget* rodzic);          // Form4
void pokazEdytorStref(Module1& m, QWidget* rodzic);          // Form10
void pokazEdytorWyjsc(Module1& m, QWidget* rodzic);          // Form8
void pokazEdytorKontroli(Module1& m, QWidget* rodzic);       // Form5
void pokazEdytorAutoUzbrajania(Module1& m, QWidget* rodzic); // Form6
void pokazEdytorKlawiatur(Module1& m, QWidget* rodzic);      // Form7

} // namespace zr05
