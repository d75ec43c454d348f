// SPDX-License-Identifier: GPL-3.0-or-later
// Every operation is one call into the page's script, which keeps the controls' state
// (positions as the game set them, in floating point) and draws them with the browser.
// The only waits are pace()'s and flushFrame()'s, which hand the browser its frames
// (Asyncify unwinds the game's loops and resumes them where they were), and sleepMs().
#include "WebWindow.h"

#include <emscripten.h>

#include "game/BatonModule.h"
#include "game/CountingLoop.h"
#include "game/Texts.h"

namespace batonnets {

namespace {

// clang-format off
EM_JS(void, pageText, (const char* key, const char* french), {
    Page.setText(UTF8ToString(key), UTF8ToString(french));
});
EM_JS(void, pageStart, (const char* version, int passPeriodUs, double inPlayTop), {
    Page.start(UTF8ToString(version), passPeriodUs, inPlayTop);
});
EM_JS(double, pageStickLeft, (int i), { return Page.stick(i).left; });
EM_JS(double, pageStickTop, (int i), { return Page.stick(i).top; });
EM_JS(void, pageMoveStick, (int i, double left, double top), { Page.moveStick(i, left, top); });
EM_JS(void, pageShowStick, (int i), { Page.showStick(i); });
EM_JS(void, pageCreateStick, (int i), { Page.createStick(i); });
EM_JS(double, pageLidLeft, (), { return Page.lidLeft(); });
EM_JS(double, pageLidWidth, (), { return Page.lidWidth(); });
EM_JS(void, pageMoveLid, (double left), { Page.moveLid(left); });
EM_JS(int, pagePace, (), { return Page.pace(); });
EM_ASYNC_JS(void, pageNextFrame, (), { await Page.nextFrame(); });
EM_JS(int, pageFlushFrame, (), { return Page.flushFrame(); });
EM_ASYNC_JS(void, pageFrameShown, (), { await Page.frameShown(); });
EM_JS(void, pageSetBoard, (int board), { Page.setBoard(board); });
EM_JS(void, pageStatusText, (const char* utf8, int bytes), {
    Page.setStatusText(UTF8ToString(utf8, bytes));
});
EM_JS(void, pageStatusColour, (int r, int g, int b), { Page.setStatusColour(r, g, b); });
EM_JS(void, pageStatusFlag, (int on), { Page.setStatusFlag(on != 0); });
EM_JS(void, pageEnable, (const char* button, int on), {
    Page.setEnabled(UTF8ToString(button), on != 0);
});
EM_JS(int, pageOptionSelected, (const char* option), {
    return Page.optionSelected(UTF8ToString(option));
});
EM_JS(void, pageSay, (const char* french, int a, int b), { Page.say(UTF8ToString(french), a, b); });
EM_JS(void, pageEnd, (), { Page.end(); });
// clang-format on

} // namespace

void WebWindow::start() {
    const std::pair<const char*, const char*> all[] = {
        {"title", texts::WindowTitle},
        {"force", texts::Force},
        {"normale", texts::Normale},
        {"expert", texts::Expert},
        {"debut", texts::Debut},
        {"joueur", texts::Joueur},
        {"ordinateur", texts::Ordinateur},
        {"jouer", texts::Jouer},
        {"ouvrir", texts::Ouvrir},
        {"fermer", texts::Fermer},
        {"quitter", texts::Quitter},
        {"joue", texts::Joue},
        {"batonnet", texts::Batonnet},
        {"enJeu", texts::EnJeu},
        {"prisParVous", texts::PrisParVous},
        {"prisParOrdinateur", texts::PrisParOrdinateur},
        {"couvercle", texts::Couvercle},
        {"ouvert", texts::Ouvert},
        {"ferme", texts::Ferme},
        {"batonnetsEnJeu", texts::BatonnetsEnJeu}};
    for (const auto& [key, french] : all)
        pageText(key, french);
    pageStart(BATONNETS_SHORT_VERSION, PassPeriodUs, InPlayTop);
}

float WebWindow::stickLeft(int i) const {
    return static_cast<float>(pageStickLeft(i));
}
float WebWindow::stickTop(int i) const {
    return static_cast<float>(pageStickTop(i));
}
void WebWindow::setStickLeft(int i, float left) {
    pageMoveStick(i, left, pageStickTop(i));
}
void WebWindow::moveStick(int i, float left, float top) {
    pageMoveStick(i, left, top);
}
void WebWindow::showStick(int i) {
    pageShowStick(i);
}
void WebWindow::createStick(int i) {
    pageCreateStick(i);
}

float WebWindow::lidLeft() const {
    return static_cast<float>(pageLidLeft());
}
float WebWindow::lidWidth() const {
    return static_cast<float>(pageLidWidth());
}
void WebWindow::moveLid(float left) {
    pageMoveLid(left);
}

// The browser repaints what changed of the page by itself, the lid alone when only the
// lid moved: a pass has nothing more to say.
void WebWindow::repaintWindow() {}
void WebWindow::repaintLid() {}

// The passes keep their own clock and run ahead of it by a few milliseconds at most; once
// ahead, the page shows the newest state and the loop gives the browser its frame.
void WebWindow::pace() {
    if (pagePace()) pageNextFrame();
}

void WebWindow::flushFrame() {
    if (pageFlushFrame()) pageFrameShown();
}

void WebWindow::setBoard(Board p) {
    pageSetBoard(static_cast<int>(p));
}

void WebWindow::setResultatText(std::string_view utf8) {
    pageStatusText(utf8.data(), static_cast<int>(utf8.size()));
}
void WebWindow::setResultatColor(Color bgr) {
    pageStatusColour(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                     static_cast<int>((bgr >> 16) & 0xFF));
}
void WebWindow::setResultatFlag(bool on) {
    pageStatusFlag(on);
}
void WebWindow::setJouerEnabled(bool on) {
    pageEnable("jouer", on);
}
void WebWindow::setJoueEnabled(bool on) {
    pageEnable("joue", on);
}

bool WebWindow::optionSelected(Option o) const {
    switch (o) {
    case Option::DebutJoueur:
        return pageOptionSelected("debut0");
    case Option::DebutOrdinateur:
        return pageOptionSelected("debut1");
    case Option::ForceNormale:
        return pageOptionSelected("force0");
    case Option::ForceExpert:
        return pageOptionSelected("force1");
    }
    return false;
}

void WebWindow::announceComputerMove(int taken, int left) {
    if (taken == 1)
        pageSay(texts::OrdinateurPrendUn, left, 0);
    else
        pageSay(texts::OrdinateurPrend, taken, left);
}
void WebWindow::announceSticksLeft(int left) {
    pageSay(texts::IlEnReste, left, 0);
}
void WebWindow::announceLid(bool open) {
    pageSay(open ? texts::CouvercleOuvert : texts::CouvercleFerme, 0, 0);
}

// The page goes on drawing meanwhile: the closed box stays on screen for the second.
void WebWindow::sleepMs(std::int32_t ms) {
    emscripten_sleep(static_cast<unsigned>(ms));
}

void WebWindow::endProgram() {
    pageEnd();
}

void WebWindow::reseedFromTimeOfDay() {
    random_.reseed();
}
double WebWindow::nextRandom() {
    return random_.next();
}

} // namespace batonnets
