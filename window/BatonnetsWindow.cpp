// SPDX-License-Identifier: GPL-3.0-or-later
#include "BatonnetsWindow.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
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
#include "game/BatonModule.h"
#include "game/Texts.h"

namespace batonnets {

namespace {

using namespace std::chrono_literals;

// About one second for the lid's 858-pass slide, the longest single animation.
constexpr std::chrono::microseconds DefaultPassPeriod = 1165us;
// How far ahead of their schedule the passes may run before the program sleeps and
// looks at its events: a quarter of a 60 Hz frame.
constexpr std::chrono::microseconds PaceBurst = 4ms;
// The longest a frame waits for the platform's word that it can take one.
constexpr std::chrono::milliseconds FrameAnswerTimeout = 100ms;

const QColor WindowColor(128, 64, 64);
const QColor White(255, 255, 255);

QString fromUtf8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

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
    return QStringLiteral("%1 %2").arg(fromUtf8(texts::Batonnet)).arg(i + 1);
}

// Keeps a control's accessible description, telling assistive technology only of changes.
void describe(QWidget* w, const char* utf8) {
    const QString d = fromUtf8(utf8);
    if (w->accessibleDescription() != d) w->setAccessibleDescription(d);
}

// The shortest time between two frames. Wayland's frame callbacks say when the
// compositor wants the next one, at its screen's rhythm, and need no help. On other
// platforms (X11) nothing says when the screen has shown a frame: one a refresh of the
// screen, its rate taken between 60 and 120 Hz (a screen may report 0, or a rate no
// eye follows).
std::chrono::steady_clock::duration frameInterval(const QWindow& window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return {};
    const qreal hz = window.screen() ? window.screen()->refreshRate() : 60.0;
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<double>(1.0 / std::clamp(hz, 60.0, 120.0)));
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
    setWindowTitle(fromUtf8(texts::WindowTitle));
    setWindowIcon(QIcon(QStringLiteral(":/assets/batonnets.ico")));
    setFixedSize(857, 429);
    // The window paints its whole surface itself (colour and board), so Qt need not
    // clear it first; the children stay transparent to keep the blits simple.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The colour it paints, also in the palette: the buttons lay their rounded corners
    // on it, which keeps their faces opaque.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, WindowColor);
    setPalette(palette);

    const qreal dpr = devicePixelRatioF();
    baseJeu_[0] = loadPicture(QStringLiteral("plateau20"), dpr);
    baseJeu_[1] = loadPicture(QStringLiteral("plateau21"), dpr);
    stickPicture_ = loadPicture(QStringLiteral("batonnet"), dpr);

    const QFont buttonFont = boldFont("Liberation Sans", 24);
    const QFont optionFont = boldFont("Liberation Sans", 13);
    const QFont frameFont = boldFont("Liberation Sans", 19);

    // Created from the back to the front: each new child lies in front of the ones
    // before it. The sticks made at start-up go behind everything (see createStick).
    ouvrir_ = new GradientButton(fromUtf8(texts::Ouvrir), QColor(255, 128, 0), QColor(0, 0, 0),
                                 White, buttonFont, this);
    ouvrir_->setGeometry(260, 344, 111, 37);
    fermer_ = new GradientButton(fromUtf8(texts::Fermer), QColor(255, 128, 0), QColor(0, 0, 0),
                                 White, buttonFont, this);
    fermer_->setGeometry(714, 344, 139, 37);

    batonnets_[0] = new PictureBox(stickPicture_, 0, this);
    batonnets_[0]->setPosition({18, 36});
    batonnets_[0]->setDrawnByParent(); // part of the backdrop, see paintEvent
    batonnets_[0]->setAccessibleName(stickName(0));
    connect(batonnets_[0], &PictureBox::clicked, this, [this] { emit batonnetClicked(0); });

    joue_ = new GradientButton(fromUtf8(texts::Joue), QColor(255, 0, 255), QColor(128, 0, 128),
                               White, buttonFont, this);
    joue_->setGeometry(384, 388, 317, 33);
    joue_->setEnabled(false);
    quitter_ = new GradientButton(fromUtf8(texts::Quitter), QColor(255, 0, 0), QColor(64, 0, 0),
                                  White, buttonFont, this);
    quitter_->setGeometry(714, 384, 139, 39);

    // A titled frame holding the two options of one group, the first one selected; the
    // second option lies in front of the first.
    const auto optionGroup = [&](const char* title, QColor band1, QColor band2, QRect frameRect,
                                 int optionWidth, int groupNumber, const char* first,
                                 const char* second, std::array<OptionButton*, 2>& options) {
        auto* frame = new TitledFrame(fromUtf8(title), band1, band2, 20, White, frameFont, this);
        frame->setGeometry(frameRect);
        const char* captions[] = {first, second};
        for (int k = 0; k < 2; ++k) {
            options[k] =
                new OptionButton(fromUtf8(captions[k]), groupNumber, k, White, optionFont, frame);
            options[k]->setGeometry(12, 24 + 22 * k, optionWidth, 23);
        }
        options[0]->setValue(1);
        return frame;
    };

    vkFrame2_ = optionGroup(texts::Debut, QColor(0, 255, 0), QColor(0, 64, 0), {128, 344, 119, 77},
                            101, 2, texts::Joueur, texts::Ordinateur, debut_);
    vkFrame2_->setObjectName(QStringLiteral("vkFrame2"));

    jouer_ = new GradientButton(fromUtf8(texts::Jouer), QColor(0, 255, 0), QColor(0, 64, 0), White,
                                buttonFont, this);
    jouer_->setGeometry(260, 384, 111, 37);

    resultat_ = new StatusLabel(boldFont("Liberation Serif", 29, true), QColor(255, 255, 192),
                                QColor(255, 0, 0), this);
    resultat_->setGeometry(384, 344, 315, 42);
    resultat_->setForeColor(QColor(0, 128, 0));

    couvercle_ = new PictureBox(loadPicture(QStringLiteral("couvercle"), dpr), -1, this);
    couvercle_->setPosition({0, 28});
    couvercle_->setAccessibleName(fromUtf8(texts::Couvercle));

    vkFrame1_ = optionGroup(texts::Force, QColor(255, 128, 128), QColor(128, 0, 0),
                            {12, 344, 111, 77}, 89, 1, texts::Normale, texts::Expert, force_);
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

// A pass only notes what it changed; the frame clock in pace() decides when that
// reaches the screen.
void BatonnetsWindow::repaintWindow() {
    pending_ = Change::Window;
}
void BatonnetsWindow::repaintLid() {
    if (pending_ == Change::None) pending_ = Change::Lid;
}

// The game owns the pace, the display owns the frames. A synchronous repaint at every
// pass waits for the display: on Wayland for the compositor to release a buffer, at
// most one frame a refresh, which made the lid's 858 passes last four times their
// second; on X11 for the server's copy of a frame no screen could show, 860 of them a
// second. So a pass paints only when a frame is due: when the platform has answered
// the last frame's requestUpdate() (on Wayland, the compositor's frame callback) and
// the frame interval has passed since. Qt's own update requests, raised by the moves,
// are held back meanwhile. Each frame shows the newest state, and flushFrame() puts
// an animation's last pass on screen whether a frame is due or not.
bool BatonnetsWindow::frameDue() const {
    const auto since = std::chrono::steady_clock::now() - lastFrame_;
    // A compositor sends no frame callback to a window it does not show; should one be
    // lost all the same, the animation is not left frozen on screen.
    return (frameReady_ && since >= frameInterval_) || since >= FrameAnswerTimeout;
}

void BatonnetsWindow::paintFrame() {
    const Change what = std::exchange(pending_, Change::None);
    heldUpdate_ = false;
    if (what == Change::Lid) {
        // The lid's picture is opaque: said so for this repaint alone, Qt paints neither
        // the board nor the sticks beneath it, only the lid and the strip it has just
        // uncovered. It stays transparent otherwise, so that a whole-window repaint
        // keeps a few plain rectangles to copy the backdrop in (an opaque child would
        // carve the window's region up, and Qt's raster engine fills complex regions
        // far more slowly).
        couvercle_->setAttribute(Qt::WA_OpaquePaintEvent, true);
        couvercle_->repaint();
        couvercle_->setAttribute(Qt::WA_OpaquePaintEvent, false);
    } else {
        // Only what the passes marked: every move marks where its control was and is,
        // so the frame paints those places, not the whole window again. A stick's
        // alignment is then a strip of the board, not the 1.5 MB of a whole window,
        // for the program and for the display server alike.
        QEvent sync(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(this, &sync);
    }
    lastFrame_ = std::chrono::steady_clock::now();
    QWindow* handle = windowHandle();
    if (handle && handle->isExposed()) {
        frameReady_ = false;
        frameRequested_ = true;
        handle->requestUpdate();
    }
}

void BatonnetsWindow::flushFrame() {
    if (pending_ != Change::None) paintFrame();
}

void BatonnetsWindow::pace() {
    if (pending_ != Change::None && frameDue()) paintFrame();
    if (passPeriod_.count() > 0) {
        const auto now = std::chrono::steady_clock::now();
        // A new animation, or a stall: start the cadence afresh rather than catch up.
        if (now > deadline_ + 50ms) deadline_ = now;
        deadline_ += passPeriod_;
        // The passes run in short bursts, a few milliseconds ahead of their schedule,
        // and the program wakes once a burst rather than once a pass: no frame shows
        // the difference, and the animation keeps its pass period and its length.
        if (deadline_ - now < PaceBurst) return;
    }
    // Lets the window answer the window manager (liveness pings, exposures, the frame
    // callbacks) while the clicks, keys and close requests made meanwhile stay queued
    // for later.
    inPace_ = true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    inPace_ = false;
    // A held update request is asked again, so that the event loop paints what is left
    // should a handler end without its last frame.
    if (std::exchange(heldUpdate_, false))
        QCoreApplication::postEvent(this, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
    // Input held back is already read from the display connection, so no new activity
    // would wake the event loop for it: wake it now, so that it is handled as soon as
    // the running handler returns rather than at the next unrelated event.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
    if (passPeriod_.count() > 0) sleepUntil(deadline_);
}

void BatonnetsWindow::sleepUntil(std::chrono::steady_clock::time_point deadline) {
    std::this_thread::sleep_until(deadline);
}

bool BatonnetsWindow::event(QEvent* e) {
    // Qt's update request, raised by a pass's move: painted with the next frame.
    if (e->type() == QEvent::UpdateRequest && inPace_ && pending_ != Change::None) {
        heldUpdate_ = true;
        return true;
    }
    return QWidget::event(e);
}

bool BatonnetsWindow::eventFilter(QObject* watched, QEvent* e) {
    // The answer to paintFrame()'s requestUpdate(): the platform takes the next frame.
    // Only a signal for the frame clock; nothing in Qt Widgets asks for one itself.
    if (e->type() == QEvent::UpdateRequest && frameRequested_ && watched == windowHandle()) {
        frameRequested_ = false;
        frameReady_ = true;
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void BatonnetsWindow::setBoard(Board p) {
    if (p == board_) return;
    board_ = p;
    update(); // shows with the next frame, like any change of the window's picture
}

void BatonnetsWindow::setResultatText(std::string_view utf8) {
    resultat_->setCaption(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
void BatonnetsWindow::setResultatColor(Color bgr) {
    resultat_->setForeColor(toQColor(bgr));
}
void BatonnetsWindow::setResultatFlag(bool on) {
    resultat_->setFlag(on);
}
void BatonnetsWindow::setJouerEnabled(bool on) {
    setButtonEnabled(jouer_, on);
}
void BatonnetsWindow::setJoueEnabled(bool on) {
    setButtonEnabled(joue_, on);
}

void BatonnetsWindow::setButtonEnabled(GradientButton* b, bool on) {
    // Disabled while it has the focus, a button would hand the focus on along the tab
    // chain, Jouer to Quitter and Validez to Fermer, where the player's next Space would
    // end the program or close the lid. The status line holds the focus instead until
    // the handler has finished; settleControls() then gives it to the sticks.
    if (!on && focusWidget() == b) resultat_->setFocus(Qt::OtherFocusReason);
    b->setEnabled(on);
}

void BatonnetsWindow::settleControls() {
    describe(couvercle_, lidLeft() > 0.0f ? texts::Ouvert : texts::Ferme);
    // The sticks the player could click, those in play that the lid leaves uncovered,
    // take the focus from the keyboard; the others drop out of the tab chain. A stick
    // that had the focus and has just left play hands it to its nearest neighbour still
    // in play, to the right first, and the status line hands it to the first one.
    QWidget* focus = focusWidget();
    auto* focused = qobject_cast<PictureBox*>(focus);
    if (focused == couvercle_) focused = nullptr;
    const int from = focused ? focused->index() : 0;
    PictureBox* before = nullptr;
    PictureBox* after = nullptr;
    for (int i = 0; i <= 20; ++i) {
        PictureBox* b = batonnets_[static_cast<std::size_t>(i)];
        if (!b) continue;
        const float top = stickTop(i);
        describe(b, top == InPlayTop  ? texts::EnJeu
                    : top > InPlayTop ? texts::PrisParVous
                                      : texts::PrisParOrdinateur);
        const bool inPlay = top == InPlayTop && b->reachable();
        b->setFocusPolicy(inPlay ? Qt::TabFocus : Qt::NoFocus);
        if (!inPlay) continue;
        if (i < from) before = b;
        if (i >= from && !after) after = b;
    }
    if ((focused && !(focused->focusPolicy() & Qt::TabFocus)) || focus == resultat_) {
        if (PictureBox* to = after ? after : before) to->setFocus(Qt::OtherFocusReason);
    }
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
    // Nothing may be drawn once the program has ended, even if the event loop still
    // delivers what was queued before it stops.
    ended_ = true;
    setUpdatesEnabled(false);
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
    if (QWindow* handle = windowHandle()) {
        frameInterval_ = frameInterval(*handle);
        handle->installEventFilter(this);
    }
    emit activated();
}

void BatonnetsWindow::paintEvent(QPaintEvent* e) {
    // Every animation pass repaints the whole window: it starts from the backdrop (the
    // colour, the board and the sticks, kept composed and patched only where a stick
    // moved), copied in plain rectangles, the fastest copy the raster engine has, and
    // not where the lid, an opaque picture painted next, lies on top.
    backdrop_.update(*this, baseJeu_[static_cast<std::size_t>(board_)], WindowColor);
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

// The keyboard focus on a stick: a light frame around it, drawn over the backdrop and
// never into it, while the window has the focus. Every other control lies above it.
void BatonnetsWindow::drawStickFocus(QPainter& p) const {
    const auto* s = qobject_cast<const PictureBox*>(focusWidget());
    if (!s || !s->drawnByParent() || !s->hasFocus() || !s->isVisible()) return;
    p.setPen(QPen(QColor(255, 255, 160), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(s->focusFrame()).adjusted(1, 1, -1, -1));
}

} // namespace batonnets
