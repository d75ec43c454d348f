// Before Qt starts: is there a display to open? Kept apart from the Qt code because the
// X headers define macros (None, Bool, Status…) that clash with Qt's names.
#include "Affichage.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>

namespace batonnets {

namespace {

// The value of a Qt command-line option such as "-platform offscreen", or null. Qt takes
// "--platform" as well.
const char* option(int argc, char* argv[], const char* nom) {
    for (int k = 1; k + 1 < argc; ++k) {
        const char* a = argv[k];
        if (a[0] == '-' && a[1] == '-') ++a;
        if (std::strcmp(a, nom) == 0) return argv[k + 1];
    }
    return nullptr;
}

const char* env(const char* nom) {
    const char* v = std::getenv(nom);
    return v && *v ? v : nullptr;
}

constexpr const char* Fin = " ; le jeu a besoin d'un affichage graphique.";

} // namespace

std::string affichageManquant(int argc, char* argv[]) {
    // A platform chosen on purpose (offscreen, vnc, wayland…) is Qt's business, and so is
    // a Wayland session: only the X server Qt falls back on by default is checked.
    const char* plateforme = option(argc, argv, "-platform");
    if (!plateforme) plateforme = env("QT_QPA_PLATFORM");
    if (plateforme) {
        if (std::strcmp(plateforme, "xcb") != 0 && std::strncmp(plateforme, "xcb:", 4) != 0)
            return {};
    } else if (env("WAYLAND_DISPLAY")) {
        return {};
    }

    const char* nom = option(argc, argv, "-display");
    if (!nom) nom = env("DISPLAY");
    if (!nom)
        return std::string("batonnets : aucun écran disponible (DISPLAY n'est pas défini)") + Fin;
    Display* d = XOpenDisplay(nom);
    if (!d)
        return std::string("batonnets : aucun écran disponible (impossible d'ouvrir l'écran « ") +
               nom + " »)" + Fin;
    XCloseDisplay(d);
    return {};
}

} // namespace batonnets
