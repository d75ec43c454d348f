// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatonnetsWindow.h"

#include <QCoreApplication>
#include <QFont>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <cstdio>
#include <ctime>
#include <thread>
#include <utility>

#include "Accessibility.h"
#include "GradientButton.h"
#include "OptionButton.h"
#include "PictureBox.h"
#include "StatusLabel.h"
#include "TitledFrame.h"
#include "Translate.h"
#include "game/BatonModule.h"
#include "game/CountingLoop.h"
#include "game/Texts.h"

namespace batonnets {

namespace {

using namespace std::chrono_literals;

constexpr std::chrono::microseconds DefaultPassPeriod{PassPeriodUs}; // the game's pace

// Every caption is bold and sized in pixels, not points, so that it fills its control
// the same way whatever the screen's dots per inch. Liberation Sans and Serif are
// free, metric-stable faces that Debian ships, declared as a package dependency.
QFont boldFont(const char* family, int pixels, bool italic = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(italic);
    f.setStyleHint(italic ? QFont::Serif : QFont::SansSerif);
    return f;
}

// Loads a picture from the resources, its @2x variant on a high-density screen.
QPixmap loadPicture(const QString& name, qreal dpr) {
    const QString base = QStringLiteral(":/assets/") + name;
    if (dpr > 1.0) {
        QPixmap hd(base + QStringLiteral("@2x.jpg"));
        if (!hd.isNull()) {
            hd.setDevicePixelRatio(2.0);
            return hd;
        }
    }
    return QPixmap(base + QStringLiteral(".jpg"));
}

// With BATONNETS_REPORT_FIRST_FRAME set, the first paint writes "first-frame NS" to
// stderr, NS on the system-wide monotonic clock: bench/ measures start-up with it from
// outside the process. One check per paint when unset.
void reportFirstFrame() {
    static bool done = false;
    if (done) return;
    done = true;
    if (!qEnvironmentVariableIsSet("BATONNETS_REPORT_FIRST_FRAME")) return;
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    std::fprintf(stderr, "first-frame %lld\n",
                 static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec);
}

// What a screen reader calls stick i: "Bâtonnet 1" to "Bâtonnet 21".
QString stickName(int i) {
    return QStringLiteral("%1 %2").arg(translated(texts::Batonnet)).arg(i + 1);
}

QColor toQColor(Color bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

BatonnetsWindow::BatonnetsWindow(QWidget* parent)
    : QWidget(parent), passPeriod_(DefaultPassPeriod) {
    installAccessibility(); // before any control exists
    setObjectName(QStringLiteral("Base_Batonnets"));
    setWindowTitle(translated(texts::WindowTitle).arg(QStringLiteral(BATONNETS_SHORT_VERSION)));
    setWindowIcon(QIcon(QStringLiteral(":/assets/batonnets.ico")));
    setFixedSize(857, 429);
    // The window paints its whole surface itself (colour and board), so Qt need not
    // clear it first; the children stay transparent to keep the blits simple.
    setAttribute(Qt::WA_OpaquePaintEvent);

    const qreal dpr = devicePixelRatioF();
    baseJeu_[0] = loadPicture(QStringLiteral("plateau20"), dpr);
    baseJeu_[1] = loadPicture(QStringLiteral("plateau21"), dpr);
    stickPicture_ = loadPicture(QStringLiteral("batonnet"), dpr);

    const QFont buttonFont = boldFont("Liberation Sans", 24);
    const QFont optionFont = boldFont("Liberation Sans", 13);
    const QFont frameFont = boldFont("Liberation Sans", 19);

    // Created from the back to the front: each new child lies in front of the ones
    // before it. The sticks made at start-up go behind everything (see createStick).
    ouvrir_ = new GradientButton(translated(texts::Ouvrir), buttonFont, this);
    ouvrir_->setGeometry(260, 344, 111, 37);
    fermer_ = new GradientButton(translated(texts::Fermer), buttonFont, this);
    fermer_->setGeometry(714, 344, 139, 37);

    batonnets_[0] = new PictureBox(stickPicture_, 0, this);
    batonnets_[0]->setPosition({18, 36});
    batonnets_[0]->setDrawnByParent(); // part of the backdrop, see paintEvent
    batonnets_[0]->setAccessibleName(stickName(0));
    connect(batonnets_[0], &PictureBox::clicked, this, [this] { emit batonnetClicked(0); });

    joue_ = new GradientButton(translated(texts::Joue), buttonFont, this);
    joue_->setGeometry(384, 388, 317, 33);
    joue_->setEnabled(false);
    quitter_ = new GradientButton(translated(texts::Quitter), buttonFont, this);
    quitter_->setGeometry(714, 384, 139, 39);

    // A titled frame holding the two options of one group, the first one selected; the
    // second option lies in front of the first.
    const auto optionGroup = [&](const char* title, QRect frameRect, int optionWidth,
                                 int groupNumber, const char* first, const char* second,
                                 std::array<OptionButton*, 2>& options) {
        auto* frame = new TitledFrame(translated(title), 20, frameFont, this);
        frame->setGeometry(frameRect);
        const char* captions[] = {first, second};
        for (int k = 0; k < 2; ++k) {
            options[k] =
                new OptionButton(translated(captions[k]), groupNumber, k, optionFont, frame);
            options[k]->setGeometry(12, 24 + 22 * k, optionWidth, 23);
        }
        options[0]->setValue(1);
        return frame;
    };

    vkFrame2_ = optionGroup(texts::Debut, {128, 344, 119, 77}, 101, 2, texts::Joueur,
                            texts::Ordinateur, debut_);
    vkFrame2_->setObjectName(QStringLiteral("vkFrame2"));

    jouer_ = new GradientButton(translated(texts::Jouer), buttonFont, this);
    jouer_->setGeometry(260, 384, 111, 37);

    resultat_ = new StatusLabel(boldFont("Liberation Serif", 29, true), this);
    resultat_->setGeometry(384, 344, 315, 42);
    resultat_->setForeColor(QColor(0, 128, 0));
    announcer_ = std::make_unique<Announcer>(resultat_);

    couvercle_ = new PictureBox(QPixmap(), -1, this);
    couvercle_->setPosition({0, 28});
    couvercle_->setAccessibleName(translated(texts::Couvercle));

    vkFrame1_ =
        optionGroup(texts::Force, {12, 344, 111, 77}, 89, 1, texts::Normale, texts::Expert, force_);
    vkFrame1_->setObjectName(QStringLiteral("vkFrame1"));

    // The keyboard order we chose: the options first (what to choose before a game),
    // then Jouer, Quitter, the row of sticks (one stop, see settleControls), the
    // confirmation, and the lid's two buttons.
    QWidget* tabChain[] = {force_[0], force_[1],     debut_[0], debut_[1], jouer_,
                           quitter_,  batonnets_[0], joue_,     fermer_,   ouvrir_};
    for (std::size_t k = 1; k < std::size(tabChain); ++k)
        setTabOrder(tabChain[k - 1], tabChain[k]);
    force_[0]->setFocus();
    // Escape and the usual quit shortcut press Quitter, through its own handler.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_Q)})
        connect(new QShortcut(keys, this), &QShortcut::activated, quitter_,
                &QAbstractButton::click);

    // The controls keep the names the game knows them by.
    const std::pair<QWidget*, const char*> names[] = {
        {jouer_, "Jouer"},         {joue_, "Joue"},
        {ouvrir_, "Ouvrir"},       {fermer_, "Fermer"},
        {quitter_, "Quitter"},     {resultat_, "Resultat"},
        {couvercle_, "Couvercle"}, {batonnets_[0], "Batonnet0"},
        {force_[0], "Force0"},     {force_[1], "Force1"},
        {debut_[0], "Debut0"},     {debut_[1], "Debut1"}};
    for (const auto& [w, name] : names)
        w->setObjectName(QString::fromLatin1(name));

    setLook(Look::normal());
}

void BatonnetsWindow::setLook(const Look& look) {
    look_ = look;
    // The colour the window paints below the board, also in the palette: the buttons lay
    // their rounded corners on it, which keeps their faces opaque.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, look.window);
    setPalette(palette);
    for (GradientButton* b : {ouvrir_, fermer_})
        b->setColours(look.ouvrirFermer);
    jouer_->setColours(look.jouer);
    joue_->setColours(look.joue);
    quitter_->setColours(look.quitter);
    vkFrame1_->setColours(look.force);
    vkFrame2_->setColours(look.debut);
    for (OptionButton* o : {force_[0], force_[1], debut_[0], debut_[1]})
        o->setColours(look.option);
    resultat_->setColours(look.resultat);
    // The lid shows the rules in the language spoken.
    const QString lid = language() == QLatin1String("fr")
                            ? QStringLiteral("couvercle")
                            : QStringLiteral("couvercle_") + language();
    couvercle_->setPicture(loadPicture(lid + look.lidSuffix, devicePixelRatioF()));
    // Shown with the next frame, even in the middle of an animation that repaints only the
    // lid: the game goes on at its pace, in the new colours.
    update();
    pending_ = Change::Window;
}

BatonnetsWindow::~BatonnetsWindow() = default;

PictureBox& BatonnetsWindow::stick(int i) const {
    PictureBox* b = (i >= 0 && i <= 20) ? batonnets_[static_cast<std::size_t>(i)] : nullptr;
    Q_ASSERT(b);
    return *b;
}

float BatonnetsWindow::stickLeft(int i) const {
    return static_cast<float>(stick(i).position().x());
}
float BatonnetsWindow::stickTop(int i) const {
    return static_cast<float>(stick(i).position().y());
}

void BatonnetsWindow::setStickLeft(int i, float left) {
    stick(i).setPosition({left, stick(i).position().y()});
}

void BatonnetsWindow::moveStick(int i, float left, float top) {
    stick(i).setPosition({left, top});
}

void BatonnetsWindow::showStick(int i) {
    stick(i).show();
}

void BatonnetsWindow::createStick(int i) {
    Q_ASSERT(i > 0 && i <= 20 && !batonnets_[static_cast<std::size_t>(i)]);
    auto* b = new PictureBox(stickPicture_, i, this);
    b->setPosition(batonnets_[0]->position());
    b->setDrawnByParent();
    b->setObjectName(QStringLiteral("Batonnet%1").arg(i));
    b->setAccessibleName(stickName(i));
    b->hide();
    b->lower(); // behind the lid and the control strip, like stick 0
    setTabOrder(batonnets_[static_cast<std::size_t>(i - 1)], b); // the row, left to right
    connect(b, &PictureBox::clicked, this, [this, i] { emit batonnetClicked(i); });
    batonnets_[static_cast<std::size_t>(i)] = b;
}

float BatonnetsWindow::lidLeft() const {
    return static_cast<float>(couvercle_->position().x());
}
float BatonnetsWindow::lidWidth() const {
    return static_cast<float>(couvercle_->width());
}
void BatonnetsWindow::moveLid(float left) {
    couvercle_->setPosition({left, couvercle_->position().y()});
}

void BatonnetsWindow::setBoard(Board p) {
    if (p == board_) return;
    board_ = p;
    update(); // shows with the next frame, like any change of the window's picture
}

void BatonnetsWindow::setResultatText(std::string_view utf8) {
    const QString text = translated(utf8);
    if (text == resultat_->caption()) return;
    resultat_->setCaption(text);
    // Every new message is said as it is shown.
    captionSaid_ = !text.isEmpty();
    announcer_->say(text);
}
void BatonnetsWindow::setResultatColor(Color bgr) {
    resultat_->setForeColor(toQColor(bgr));
}
void BatonnetsWindow::setResultatFlag(bool on) {
    resultat_->setFlag(on);
    // The game raises the flag after each message: a message shown again, which the text
    // alone would not say, is said then; a new one was said already and is not repeated.
    if (on && !std::exchange(captionSaid_, false)) announcer_->say(resultat_->caption());
}
void BatonnetsWindow::setJouerEnabled(bool on) {
    setButtonEnabled(jouer_, on);
}
void BatonnetsWindow::setJoueEnabled(bool on) {
    setButtonEnabled(joue_, on);
}

bool BatonnetsWindow::optionSelected(Option o) const {
    switch (o) {
    case Option::DebutJoueur:
        return debut_[0]->value() == 1;
    case Option::DebutOrdinateur:
        return debut_[1]->value() == 1;
    case Option::ForceNormale:
        return force_[0]->value() == 1;
    case Option::ForceExpert:
        return force_[1]->value() == 1;
    }
    return false;
}

void BatonnetsWindow::sleepMs(std::int32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void BatonnetsWindow::endProgram() {
    // Nothing may be drawn or take a click, a key or the focus once the program has
    // ended, even if the event loop still delivers what was queued before it stops.
    ended_ = true;
    setUpdatesEnabled(false);
    setEnabled(false);
    QCoreApplication::exit(0);
}

void BatonnetsWindow::reseedFromTimeOfDay() {
    random_.reseed();
}
double BatonnetsWindow::nextRandom() {
    return random_.next();
}

void BatonnetsWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (activatedOnce_) return;
    activatedOnce_ = true;
    startFrameClock();
    emit activated();
}

void BatonnetsWindow::paintEvent(QPaintEvent* e) {
    // Every animation pass repaints the whole window: it starts from the backdrop (the
    // colour, the board and the sticks, kept composed and patched only where a stick
    // moved), copied in plain rectangles, the fastest copy the raster engine has, and
    // not where the lid, an opaque picture painted next, lies on top.
    backdrop_.update(*this, baseJeu_[static_cast<std::size_t>(board_)], look_.window);
    const QPixmap& backdrop = backdrop_.picture();
    const qreal dpr = backdrop.devicePixelRatio();
    const QRect lid = couvercle_->isVisible() ? couvercle_->geometry() : QRect();
    QPainter p(this);
    for (const QRect& r : QRegion(e->rect()).subtracted(lid))
        p.drawPixmap(QRectF(r), backdrop,
                     QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    drawStickFocus(p);
    reportFirstFrame();
}

} // namespace batonnets
