#include "BatonnetsWindow.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <cstdio>
#include <ctime>
#include <thread>

#include "Accessibilite.h"
#include "PictureBox.h"
#include "VkCommand.h"
#include "VkFrame.h"
#include "VkLabel.h"
#include "VkOptionButton.h"
#include "window/Textes.h"

namespace batonnets {

namespace {

using namespace std::chrono_literals;

// About one second for the lid's 858-pass slide, the longest single animation.
constexpr std::chrono::microseconds DefaultPassPeriod = 1165us;

const QColor Fond(128, 64, 64);
const QColor Blanc(255, 255, 255);

QString tr8(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The free fonts standing in for the original faces, at the original pixel sizes.
QFont police(const char* family, int pixels, bool italic = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(true);
    f.setItalic(italic);
    f.setStyleHint(italic ? QFont::Serif : QFont::SansSerif);
    return f;
}

// Loads a picture from the resources, its @2x variant on a high-density screen.
QPixmap image(const QString& name, qreal dpr) {
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

QColor couleur(Couleur bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace

BatonnetsWindow::BatonnetsWindow(QWidget* parent)
    : QWidget(parent), passPeriod_(DefaultPassPeriod) {
    installerAccessibilite(); // before any control exists
    setObjectName(QStringLiteral("Base_Batonnets"));
    setWindowTitle(tr8(textes::TitreFenetre));
    setWindowIcon(QIcon(QStringLiteral(":/assets/batonnets.ico")));
    setFixedSize(857, 429);
    // The window paints its whole surface itself (colour and board), so Qt need not
    // clear it first; the children stay transparent to keep the blits simple.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The colour it paints, also in the palette: the buttons lay their rounded corners
    // on it, which keeps their faces opaque.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Fond);
    setPalette(palette);

    const qreal dpr = devicePixelRatioF();
    baseJeu_[0] = image(QStringLiteral("plateau20"), dpr);
    baseJeu_[1] = image(QStringLiteral("plateau21"), dpr);
    batonnetPicture_ = image(QStringLiteral("batonnet"), dpr);

    const QFont bouton = police("Liberation Sans", 24);
    const QFont option = police("Liberation Sans", 13);
    const QFont cadre = police("Liberation Sans", 19);

    // Created from the back to the front: each new child lies in front of the ones
    // before it. The sticks made at start-up go behind everything (see createStick).
    ouvrir_ = new VkCommand(tr8(textes::Ouvrir), QColor(255, 128, 0), QColor(0, 0, 0), Blanc,
                            bouton, this);
    ouvrir_->setGeometry(260, 344, 111, 37);
    fermer_ = new VkCommand(tr8(textes::Fermer), QColor(255, 128, 0), QColor(0, 0, 0), Blanc,
                            bouton, this);
    fermer_->setGeometry(714, 344, 139, 37);

    batonnets_[0] = new PictureBox(batonnetPicture_, 0, this);
    batonnets_[0]->setPosition({18, 36});
    batonnets_[0]->setDrawnByParent(); // part of the backdrop, see paintEvent
    batonnets_[0]->setAccessibleName(QStringLiteral("Bâtonnet 1"));
    connect(batonnets_[0], &PictureBox::clicked, this, &BatonnetsWindow::batonnetClicked);

    joue_ = new VkCommand(tr8(textes::Joue), QColor(255, 0, 255), QColor(128, 0, 128), Blanc,
                          bouton, this);
    joue_->setGeometry(384, 388, 317, 33);
    joue_->setEnabled(false);
    quitter_ = new VkCommand(tr8(textes::Quitter), QColor(255, 0, 0), QColor(64, 0, 0), Blanc,
                             bouton, this);
    quitter_->setGeometry(714, 384, 139, 39);

    // A titled frame holding the two options of one group, the first one selected; the
    // second option lies in front of the first.
    const auto groupe = [&](const char* titre, QColor titre1, QColor titre2, QRect place,
                            int largeurOption, int numero, const char* premier, const char* second,
                            std::array<VkOptionButton*, 2>& options) {
        auto* cadreGroupe = new VkFrame(tr8(titre), titre1, titre2, 20, Blanc, cadre, this);
        cadreGroupe->setGeometry(place);
        const char* legendes[] = {premier, second};
        for (int k = 0; k < 2; ++k) {
            options[k] =
                new VkOptionButton(tr8(legendes[k]), numero, k, Blanc, option, cadreGroupe);
            options[k]->setGeometry(12, 24 + 22 * k, largeurOption, 23);
        }
        options[0]->setValue(1);
        return cadreGroupe;
    };

    vkFrame2_ = groupe(textes::Debut, QColor(0, 255, 0), QColor(0, 64, 0), {128, 344, 119, 77}, 101,
                       2, textes::Joueur, textes::Ordinateur, debut_);
    vkFrame2_->setObjectName(QStringLiteral("vkFrame2"));

    jouer_ =
        new VkCommand(tr8(textes::Jouer), QColor(0, 255, 0), QColor(0, 64, 0), Blanc, bouton, this);
    jouer_->setGeometry(260, 384, 111, 37);

    resultat_ = new VkLabel(police("Liberation Serif", 29, true), QColor(255, 255, 192),
                            QColor(255, 0, 0), this);
    resultat_->setGeometry(384, 344, 315, 42);
    resultat_->setForeColor(QColor(0, 128, 0));

    couvercle_ = new PictureBox(image(QStringLiteral("couvercle"), dpr), -1, this);
    couvercle_->setPosition({0, 28});
    couvercle_->setAccessibleName(QStringLiteral("Couvercle"));

    vkFrame1_ = groupe(textes::Force, QColor(255, 128, 128), QColor(128, 0, 0), {12, 344, 111, 77},
                       89, 1, textes::Normale, textes::Expert, force_);
    vkFrame1_->setObjectName(QStringLiteral("vkFrame1"));

    // Keyboard order of the original layout.
    QWidget* ordre[] = {force_[0], force_[1], debut_[0], debut_[1], jouer_,
                        quitter_,  joue_,     fermer_,   ouvrir_};
    for (std::size_t k = 1; k < std::size(ordre); ++k)
        setTabOrder(ordre[k - 1], ordre[k]);
    force_[0]->setFocus();

    // The controls keep the names the game knows them by.
    const std::pair<QWidget*, const char*> noms[] = {
        {jouer_, "Jouer"},         {joue_, "Joue"},
        {ouvrir_, "Ouvrir"},       {fermer_, "Fermer"},
        {quitter_, "Quitter"},     {resultat_, "Resultat"},
        {couvercle_, "Couvercle"}, {batonnets_[0], "Batonnet0"},
        {force_[0], "Force0"},     {force_[1], "Force1"},
        {debut_[0], "Debut0"},     {debut_[1], "Debut1"}};
    for (const auto& [w, nom] : noms)
        w->setObjectName(QString::fromLatin1(nom));
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
    auto* b = new PictureBox(batonnetPicture_, i, this);
    b->setPosition(batonnets_[0]->position());
    b->setDrawnByParent();
    b->setObjectName(QStringLiteral("Batonnet%1").arg(i));
    b->setAccessibleName(QStringLiteral("Bâtonnet %1").arg(i + 1));
    b->hide();
    b->lower(); // behind the lid and the control strip, like stick 0
    connect(b, &PictureBox::clicked, this, &BatonnetsWindow::batonnetClicked);
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

void BatonnetsWindow::repaintWindow() {
    repaint();
}
void BatonnetsWindow::repaintLid() {
    // The lid's picture is opaque: said so for this repaint alone, Qt paints neither the
    // board nor the sticks beneath it, only the lid and the strip it has just uncovered.
    // It stays transparent otherwise, so that a whole-window repaint keeps a few plain
    // rectangles to copy the backdrop in (an opaque child would carve the window's
    // region up, and Qt's raster engine fills complex regions far more slowly).
    couvercle_->setAttribute(Qt::WA_OpaquePaintEvent, true);
    couvercle_->repaint();
    couvercle_->setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void BatonnetsWindow::pace() {
    // Lets the window answer the window manager (liveness pings, exposures) while the
    // clicks, keys and close requests made meanwhile stay queued for later.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Input held back is already read from the display connection, so no new activity
    // would wake the event loop for it: wake it now, so that it is handled as soon as
    // the running handler returns rather than at the next unrelated event.
    if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
    if (passPeriod_.count() <= 0) return;
    const auto now = std::chrono::steady_clock::now();
    // A new animation, or a stall: start the cadence afresh rather than catch up.
    if (now > deadline_ + 50ms) deadline_ = now;
    deadline_ += passPeriod_;
    std::this_thread::sleep_until(deadline_);
}

void BatonnetsWindow::setBoard(Plateau p) {
    plateau_ = p;
    // Shows from the next repaint on, like any background picture change.
}

void BatonnetsWindow::setResultatText(std::string_view utf8) {
    resultat_->setCaption(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}
void BatonnetsWindow::setResultatColor(Couleur bgr) {
    resultat_->setForeColor(couleur(bgr));
}
void BatonnetsWindow::setResultatFlag(bool on) {
    resultat_->setFlag(on);
}
void BatonnetsWindow::setJouerEnabled(bool on) {
    jouer_->setEnabled(on);
}
void BatonnetsWindow::setJoueEnabled(bool on) {
    joue_->setEnabled(on);
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
    emit activated();
}

void BatonnetsWindow::paintEvent(QPaintEvent* e) {
    // Every animation pass repaints the whole window: it starts from the backdrop (the
    // colour, the board and the sticks, kept composed and patched only where a stick
    // moved), copied in plain rectangles, the fastest copy the raster engine has, and
    // not where the lid, an opaque picture painted next, lies on top.
    backdrop_.update(*this, baseJeu_[static_cast<std::size_t>(plateau_)], Fond);
    const QPixmap& fond = backdrop_.picture();
    const qreal dpr = fond.devicePixelRatio();
    const QRect lid = couvercle_->isVisible() ? couvercle_->geometry() : QRect();
    QPainter p(this);
    for (const QRect& r : QRegion(e->rect()).subtracted(lid))
        p.drawPixmap(QRectF(r), fond,
                     QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr));
    reportFirstFrame();
}

} // namespace batonnets
