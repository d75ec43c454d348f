// SPDX-License-Identifier: GPL-3.0-or-later
// The window in each language it ships, and under the C locale: every caption, message and
// name a screen reader hears is that language's, each caption whole in its control at
// full size by its advance (tst_look checks the ink of every glyph), and the lid carries the
// rules in it. Run at 1x, 2x and 1.5x, where the lid's picture differs.
#include <QFontMetrics>
#include <QTest>
#include <QTranslator>

#include <map>
#include <utility>

#include "Announcer.h"
#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "TitledFrame.h"
#include "Translate.h"
#include "WindowFixture.h"
#include "game/Texts.h"

using namespace batonnets;
using namespace batonnets::test;

class TstLanguage : public QObject {
    Q_OBJECT
  private slots:
    // What a screen reader hears in each language, as a player hears it: the row of sticks as
    // a game starts, then each announcement of that game (the player's two sticks, the
    // computer's move of one, a stick, its move of three, the lid closed and opened), then the
    // row again.
    void eachLanguage_data() {
        QTest::addColumn<QStringList>("desktop"); // QLocale::uiLanguages(), as Qt gives them
        QTest::addColumn<QString>("language");    // the one the game speaks
        QTest::addColumn<QString>("jouer");       // Jouer's caption in it
        QTest::addColumn<QStringList>("heard");
        const std::map<QString, QStringList> heard = {
            {"fr",
             {"Bâtonnets, 20 en jeu", "A vous de jouer...", "Il en reste 19.", "Il en reste 18.",
              "L'ordinateur joue",
              "L'ordinateur prend 1 bâtonnet, il en reste 17. A vous de jouer...",
              "Il en reste 16.", "L'ordinateur joue",
              "L'ordinateur prend 3 bâtonnets, il en reste 13. A vous de jouer...",
              "Couvercle fermé", "Couvercle ouvert", "Bâtonnets, 13 en jeu"}},
            {"en",
             {"Sticks, 20 in play", "Your move...", "19 left.", "18 left.", "Computer's move...",
              "The computer takes 1 stick, 17 left. Your move...", "16 left.", "Computer's move...",
              "The computer takes 3 sticks, 13 left. Your move...", "Lid closed", "Lid open",
              "Sticks, 13 in play"}},
            {"de",
             {"Stäbchen, 20 im Spiel", "Sie sind am Zug...", "Noch 19 übrig.", "Noch 18 übrig.",
              "Der Computer zieht",
              "Der Computer nimmt 1 Stäbchen, noch 17 übrig. Sie sind am Zug...", "Noch 16 übrig.",
              "Der Computer zieht",
              "Der Computer nimmt 3 Stäbchen, noch 13 übrig. Sie sind am Zug...",
              "Deckel geschlossen", "Deckel offen", "Stäbchen, 13 im Spiel"}},
            {"es",
             {"Palillos, 20 en juego", "Te toca jugar...", "Palillos restantes: 19.",
              "Palillos restantes: 18.", "Juega el ordenador",
              "El ordenador retira 1 palillo. Palillos restantes: 17. Te toca jugar...",
              "Palillos restantes: 16.", "Juega el ordenador",
              "El ordenador retira 3 palillos. Palillos restantes: 13. Te toca jugar...",
              "Tapa cerrada", "Tapa abierta", "Palillos, 13 en juego"}},
            {"it",
             {"Bastoncini, 20 in gioco", "Tocca a te...", "Bastoncini rimasti: 19.",
              "Bastoncini rimasti: 18.", "Tocca al computer...",
              "Il computer prende 1 bastoncino. Bastoncini rimasti: 17. Tocca a te...",
              "Bastoncini rimasti: 16.", "Tocca al computer...",
              "Il computer prende 3 bastoncini. Bastoncini rimasti: 13. Tocca a te...",
              "Coperchio chiuso", "Coperchio aperto", "Bastoncini, 13 in gioco"}},
        };
        const auto row = [&](const char* name, QStringList desktop, QString language,
                             QString jouer) {
            QTest::newRow(name) << desktop << language << jouer << heard.at(language);
        };
        row("C", {"C"}, "fr", "Jouer");
        row("en", {"en-US", "en-Latn-US", "en"}, "en", "Play");
        row("de", {"de-DE", "de-Latn-DE", "de"}, "de", "Spielen");
        row("es", {"es-ES", "es-Latn-ES", "es"}, "es", "Jugar");
        row("pt, else it", {"pt-BR", "pt", "it"}, "it", "Gioca");
        row("fr-CA, else de", {"fr-CA", "de"}, "fr", "Jouer");
    }

    void eachLanguage() {
        QFETCH(QStringList, desktop);
        QFETCH(QString, language);
        QFETCH(QString, jouer);
        QFETCH(QStringList, heard);
        chooseLanguage(desktop);
        QCOMPARE(batonnets::language(), language);
        // What a French text becomes: itself in French; otherwise its translation, the
        // empty string where there is none, which no control shows.
        QTranslator translation;
        QVERIFY(language == "fr" || translation.load(":/i18n/batonnets_" + language + ".qm"));
        const auto in = [&](const char* french) {
            return language == "fr" ? QString::fromUtf8(french)
                                    : translation.translate(texts::TranslationContext, french);
        };
        GameWindow w;
        QCOMPARE(w.f.jouer()->text(), jouer);
        QCOMPARE(w.f.windowTitle(),
                 in(texts::WindowTitle).arg(QStringLiteral(BATONNETS_SHORT_VERSION)));

        // Each caption, as a screen reader names the control, and whole in it at its size:
        // in the width the control leaves its caption, as its paint code lays it out. A button
        // keeps 6 px free on each side, an option button has its indicator (20 px) on the left
        // and 3 px on the right, a frame's title and the status line keep 4 px on each side.
        const auto fits = [](QWidget* c, const QString& text) {
            const int room = c->width() - (qobject_cast<GradientButton*>(c) ? 12
                                           : qobject_cast<OptionButton*>(c) ? 23
                                                                            : 8);
            const int left = room - QFontMetrics(c->font()).horizontalAdvance(text);
            QVERIFY2(left >= 0, qPrintable(QString("%1 px too wide: %2").arg(-left).arg(text)));
        };
        const std::pair<QWidget*, const char*> captions[] = {
            {w.f.jouer(), texts::Jouer},       {w.f.joue(), texts::Joue},
            {w.f.ouvrir(), texts::Ouvrir},     {w.f.fermer(), texts::Fermer},
            {w.f.quitter(), texts::Quitter},   {w.f.vkFrame1(), texts::Force},
            {w.f.force(0), texts::Normale},    {w.f.force(1), texts::Expert},
            {w.f.vkFrame2(), texts::Debut},    {w.f.debut(0), texts::Joueur},
            {w.f.debut(1), texts::Ordinateur},
        };
        for (const auto& [control, french] : captions) {
            QCOMPARE(nameOf(control), in(french));
            fits(control, in(french));
        }
        // The status line, named by its message: none before a game, then each in turn.
        for (const char* message :
             {"", texts::AVousDeJouer, texts::OrdinateurJoue, texts::VousGagnez, texts::JaiGagne}) {
            w.f.setResultatText(message);
            QCOMPARE(nameOf(w.f.resultat()), in(message));
            fits(w.f.resultat(), in(message));
        }

        // The lid, closed with the rules on it: on the screen at 1x, and from its 2x
        // picture on a high-density screen. Then the sticks, and the game that is heard.
        QCOMPARE(nameOf(w.f.couvercle()), in(texts::Couvercle));
        QCOMPARE(descriptionOf(w.f.couvercle()), in(texts::Ferme));
        const QString lid = language == "fr" ? "couvercle" : "couvercle_" + language;
        if (qGuiApp->devicePixelRatio() == 1.0)
            QCOMPARE(w.screen().copy(0, 28, 857, 286), picture(lid));
        else
            QCOMPARE(w.f.couvercle()->picture().toImage().convertToFormat(QImage::Format_RGB32),
                     picture(lid + "@2x"));
        const auto group = [&] { return acc(w.f.batonnet(0))->parent()->text(QAccessible::Name); };
        const auto announced = [&] { return w.f.resultat()->findChildren<Announcement*>(); };
        w.f.settleControls(); // the messages shown above said
        const qsizetype before = announced().size();
        w.click(w.f.jouer());
        QStringList said{group()};
        QCOMPARE(descriptionOf(w.f.couvercle()), in(texts::Ouvert));
        for (int i = 0; i < 20; ++i) {
            QCOMPARE(nameOf(w.f.batonnet(i)), in(texts::Batonnet) + ' ' + QString::number(i + 1));
            QCOMPARE(descriptionOf(w.f.batonnet(i)), in(texts::EnJeu));
        }
        for (QWidget* c : {w.f.batonnet(0), w.f.batonnet(1)})
            w.click(c);
        w.click(w.f.joue()); // the computer takes one
        QCOMPARE(descriptionOf(w.f.batonnet(0)), in(texts::PrisParVous));
        QCOMPARE(descriptionOf(w.f.batonnet(2)), in(texts::PrisParOrdinateur));
        for (QWidget* c : std::initializer_list<QWidget*>{w.f.batonnet(3), w.f.joue(), w.f.fermer(),
                                                          w.f.ouvrir()})
            w.click(c);
        for (Announcement* a : announced().mid(before))
            said << nameOf(a);
        QCOMPARE(said << group(), heard);
    }
};

QTEST_MAIN(TstLanguage)
#include "tst_language.moc"
