#include "WidokMonitora.h"

#include "Drukarka.h"
#include "Lampka.h"
#include "link/PodpowiedzLinii.h"
#include "print/WydrukRejestru.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QWidget>

namespace zr05
{

namespace
{
template <typename T> T* kontrolka(QWidget* okno, const QString& nazwa)
{
    auto* k = okno->findChild<T*>(nazwa);
    Q_ASSERT(k);
    return k;
}
} // namespace

WidokMonitora::WidokMonitora(Module1& modul, ZdarzeniaCentrali& zdarzenia, LampkiStanu& lampki,
                             QWidget* okno)
    : QObject(okno), m(modul), m_zdarzenia(zdarzenia), m_lampki(lampki), m_okno(okno)
{
    for (int i = 0; i < 80; ++i) {
        m_lampkiLinii[size_t(i)] = kontrolka<QLineEdit>(okno, QStringLiteral("Text4_%1").arg(i));
        // The hover text follows the mouse, not only a press.
        m_lampkiLinii[size_t(i)]->setMouseTracking(true);
        m_lampkiLinii[size_t(i)]->installEventFilter(this);
    }
    for (int i = 0; i < 10; ++i) {
        m_lampkiStref[size_t(i)] = kontrolka<QLineEdit>(okno, QStringLiteral("Text2_%1").arg(i));
        m_lampkiAlarmow[size_t(i)] = kontrolka<QLineEdit>(okno, QStringLiteral("Text3_%1").arg(i));
    }
    m_stanSystemu = kontrolka<QLineEdit>(okno, QStringLiteral("Text6"));
    m_rejestr = kontrolka<QPlainTextEdit>(okno, QStringLiteral("Text5"));
    m_rejestr->installEventFilter(this);

    m_stanSystemu->setText(m_zdarzenia.stanSystemu());
    connect(&m_zdarzenia, &ZdarzeniaCentrali::stanSystemuUstawiony, m_stanSystemu,
            &QLineEdit::setText);

    m_wpisujeProgram = true;
    m_rejestr->setPlainText(m_zdarzenia.rejestr().tekst());
    m_wpisujeProgram = false;
    connect(&m_zdarzenia.rejestr(), &Rejestr::dodano, this, &WidokMonitora::dodajLinijke);
    connect(&m_zdarzenia.rejestr(), &Rejestr::wyczyszczony, this, [this] {
        m_wpisujeProgram = true;
        m_rejestr->clear();
        m_wpisujeProgram = false;
    });
    connect(m_rejestr, &QPlainTextEdit::textChanged, this, &WidokMonitora::tekstZmieniony);

    connect(&m_lampki, &LampkiStanu::odswiezone, this, &WidokMonitora::pokazLampki);

    connect(kontrolka<QPushButton>(okno, QStringLiteral("Command1")), &QPushButton::clicked, this,
            &WidokMonitora::wyczyscRejestr);
    connect(kontrolka<QPushButton>(okno, QStringLiteral("Command10")), &QPushButton::clicked, this,
            &WidokMonitora::drukujRejestr);
}

QColor WidokMonitora::kolor(KolorLampki k)
{
    switch (k) {
    case KolorLampki::Bialy:
        return QColor(255, 255, 255);
    case KolorLampki::Zielony:
        return QColor(0, 255, 0);
    case KolorLampki::Niebieski:
        return QColor(0, 128, 255);
    case KolorLampki::Czerwony:
        return QColor(255, 0, 0);
    case KolorLampki::Zolty:
        return QColor(255, 255, 0);
    case KolorLampki::Nieczynny:
        break;
    }
    return KolorNieistniejacej;
}

void WidokMonitora::pokazLampki()
{
    const StanLampek& s = m_lampki.stan();
    auto pokaz = [](QLineEdit* lampka, KolorLampki k) {
        const QColor c = kolor(k);
        if (lampka->palette().color(QPalette::Base) != c)
            ustawKolorLampki(lampka, c);
    };
    for (size_t i = 0; i < s.linie.size(); ++i)
        pokaz(m_lampkiLinii[i], s.linie[i]);
    for (size_t i = 0; i < s.strefy.size(); ++i)
        pokaz(m_lampkiStref[i], s.strefy[i]);
    for (size_t i = 0; i < s.alarmy.size(); ++i)
        pokaz(m_lampkiAlarmow[i], s.alarmy[i]);
}

void WidokMonitora::dodajLinijke(const QString& linijka)
{
    // Only the new line goes in, at the very start: a long register is not laid out anew.
    // The panel's lines are not the operator's edits: they stay out of the undo history, so
    // undo cannot take them away and a long run does not keep every line twice.
    QTextDocument* dokument = m_rejestr->document();
    // The operator's place: a cursor and view at the top follow the newest line, a view
    // scrolled down to read stays on the lines it shows.
    QScrollBar* pasek = m_rejestr->verticalScrollBar();
    const QTextCursor wlasny = m_rejestr->textCursor();
    const bool kursorNaGorze = m_kursorDoGory || (wlasny.position() == 0 && !wlasny.hasSelection());
    const bool widokNaGorze = pasek->value() == pasek->minimum();
    const int widok = pasek->value();
    const int blokow = dokument->blockCount();

    const bool cofanie = dokument->isUndoRedoEnabled();
    m_wpisujeProgram = true;
    dokument->setUndoRedoEnabled(false);
    QTextCursor kursor(dokument);
    // One change for the text and its line end, so the line it pushes down is not laid out
    // again.
    kursor.beginEditBlock();
    kursor.insertText(linijka);
    kursor.endEditBlock();
    dokument->setUndoRedoEnabled(cofanie);
    // Setting the cursor makes the box lay out lines to keep it in view; a hidden box would
    // lay out ever more of a growing register for nothing, so it gets the cursor when shown.
    m_kursorDoGory = kursorNaGorze && !m_rejestr->isVisible();
    if (kursorNaGorze && !m_kursorDoGory)
        kursorNaPoczatek();
    m_wpisujeProgram = false;
    pasek->setValue(widokNaGorze ? pasek->minimum() : widok + dokument->blockCount() - blokow);
    if (widokNaGorze && m_rejestr->isVisible())
        zwolnijUkladPodWidokiem();
}

void WidokMonitora::kursorNaPoczatek()
{
    QTextCursor naGorze = m_rejestr->textCursor();
    naGorze.setPosition(0);
    m_rejestr->setTextCursor(naGorze);
}

void WidokMonitora::zwolnijUkladPodWidokiem()
{
    // A line keeps the shapes of its glyphs from when it was painted, many times its text.
    // Lines leave the view at its foot one by one as new ones come in on top: each lets go
    // of them there, and shapes them anew should it be shown again.
    const int ostatni =
        m_rejestr->cursorForPosition(QPoint(0, m_rejestr->viewport()->height())).blockNumber();
    const QTextBlock pod = m_rejestr->document()->findBlockByNumber(ostatni + 1);
    if (!pod.isValid())
        return;
    QTextLayout* uklad = pod.layout();
    if (uklad->lineCount() == 0)
        return;
    uklad->setCacheEnabled(false);
    uklad->beginLayout();
    uklad->endLayout();
}

void WidokMonitora::tekstZmieniony()
{
    if (m_wpisujeProgram)
        return;
    // The operator's edit: what the box holds is what is printed and what new lines precede.
    m_zdarzenia.rejestr().ustawOkno([rejestr = QPointer<QPlainTextEdit>(m_rejestr)] {
        return rejestr ? rejestr->toPlainText() : QString();
    });
}

void WidokMonitora::wyczyscRejestr()
{
    m_zdarzenia.rejestr().wyczysc();
}

void WidokMonitora::drukujRejestr()
{
    // The register as it is now; a long one is laid out in the printing thread.
    Drukarka::drukuj([tekst = m_zdarzenia.rejestr().tekst(),
                      teraz = m_zegar()] { return wydrukRejestru(tekst, teraz); },
                     m_okno, QStringLiteral("rejestr"));
}

bool WidokMonitora::eventFilter(QObject* obiekt, QEvent* zdarzenie)
{
    if (obiekt == m_rejestr && zdarzenie->type() == QEvent::Show && m_kursorDoGory) {
        m_kursorDoGory = false;
        m_wpisujeProgram = true;
        kursorNaPoczatek();
        m_wpisujeProgram = false;
    }
    if (zdarzenie->type() == QEvent::MouseMove && m.KonfigJest == 1) {
        for (size_t i = 0; i < m_lampkiLinii.size(); ++i)
            if (obiekt == m_lampkiLinii[i]) {
                m_lampkiLinii[i]->setToolTip(podpowiedzLinii(m.Obraz, int(i) + 1));
                break;
            }
    }
    return QObject::eventFilter(obiekt, zdarzenie);
}

} // namespace zr05
