#pragma once
// Menu items and toolbar buttons of the main window whose availability the program logic
// decides. The core keeps their enabled state; the main window only shows it.

namespace zr05
{

enum class Element {
    mnuKonf,
    mnuKonfLog,
    mnuKonfWyUZYT,
    mnuKonfWyINST,
    mnuKonfPobierz,
    mnuKonfPrzekaz,
    mnuKonfCzytaj,
    mnuKonfZapisz,
    mnuKonfDruk,
    mnuKonfKoniec,
    mnuOn,
    mnuProg,
    mnuHist,
    mnuPom,
    Przycisk1, // login
    Przycisk2, // read file
    Przycisk3, // save file
    Przycisk4, // download
    Przycisk5, // upload
    Przycisk6, // print
    Przycisk7, // on-line view
    Przycisk8, // alarm archive
    Przycisk9, // event archive
    Liczba
};

constexpr Element przycisk(int numer)
{
    return Element(int(Element::Przycisk1) + numer - 1);
}

} // namespace zr05
