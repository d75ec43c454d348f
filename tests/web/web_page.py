#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page in Debian's headless Chromium, driven through chromedriver and DevTools, served by
# this script on 127.0.0.1: a fresh browser each scenario, real mouse events and keys, and
# what a screen reader is told read from Chromium's accessibility tree.
#   web_page.py PAGE_DIR SOURCE_DIR SHOTS_DIR [SCENARIO...]
# SOURCE_DIR gives the desktop's first frame (tests/window/golden/start@1x.png, which tst_look
# pins) and the translations; SHOTS_DIR receives the page's pictures.
import base64, functools, http.server, io, json, pathlib, sys, tempfile, threading, time
import xml.etree.ElementTree as ET

from PIL import Image, ImageChops
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync"]
IN_PLAY, BY_PLAYER, BY_COMPUTER = 36, 290, -220
# Every control of the window where the desktop has it: x, y, width, height.
PLACES = {"vkFrame1": (12, 344, 111, 77), "force0": (24, 368, 89, 23), "force1": (24, 390, 89, 23),
          "vkFrame2": (128, 344, 119, 77), "debut0": (140, 368, 101, 23), "debut1": (140, 390, 101, 23),
          "resultat": (384, 344, 315, 42), "joue": (384, 388, 317, 33), "ouvrir": (260, 344, 111, 37),
          "jouer": (260, 384, 111, 37), "fermer": (714, 344, 139, 37), "quitter": (714, 384, 139, 39),
          "couvercle": (0, 28, 857, 286), "batonnet0": (18, 36, 24, 252)}
WINDOW = "document.getElementById('window').getBoundingClientRect()"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


class Quiet(http.server.SimpleHTTPRequestHandler):
    log_message = lambda *args: None


class Browser:
    """One headless Chromium on the page, at 1000×600 CSS pixels, one to one."""

    def __init__(self, lang="fr", metrics=None):
        options = webdriver.ChromeOptions()
        # Headless, Chromium takes the page's languages (navigator.languages) from
        # --accept-lang; --lang sets its own.
        for flag in FLAGS + [f"--lang={lang}", f"--accept-lang={lang}", f"--user-data-dir={tempfile.mkdtemp()}"]:
            options.add_argument(flag)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
        self.d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.cdp("Emulation.setDeviceMetricsOverride", **(metrics or
                 {"width": 1000, "height": 600, "deviceScaleFactor": 1, "mobile": False}))
        self.d.get(ORIGIN + "/")
        self.idle()

    def cdp(self, command, **args):
        return self.d.execute_cdp_cmd(command, args)

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def idle(self, timeout=30):
        """Waits for the game's handler, and any input it held, to have run."""
        end = time.monotonic() + timeout
        while self.js("return document.getElementById('window').getAttribute('aria-busy')") != "false":
            if time.monotonic() > end:
                raise TimeoutError("the page stays busy")
            time.sleep(0.02)

    def click(self, x, y, wait=True, touch=False):
        """A click, or a tap, at a place of the window, wherever and however large it is shown."""
        r = self.js(f"return {WINDOW}.toJSON()")
        px, py = r["x"] + x * r["width"] / 857, r["y"] + y * r["width"] / 857
        if touch:
            self.cdp("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": px, "y": py}])
            self.cdp("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        for kind in () if touch else ("mousePressed", "mouseReleased"):
            self.cdp("Input.dispatchMouseEvent", type=kind, x=px, y=py, button="left", clickCount=1)
        if wait:
            self.idle()

    def press(self, *keys):
        """Real keys, one after another ((SHIFT, TAB) is a chord); where the focus is after each."""
        focus = []
        for k in keys:
            chain = ActionChains(self.d)
            (chain.key_down(k[0]).send_keys(k[1]).key_up(k[0]) if isinstance(k, tuple) else chain.send_keys(k)).perform()
            self.idle()
            focus.append(self.js("return document.activeElement.id"))
        return focus

    def mark(self):
        """The focused control and its outline."""
        return self.js("""const s = getComputedStyle(document.activeElement);
            return [document.activeElement.id, s.outlineStyle, s.outlineWidth, s.outlineColor]""")

    def boxes(self, selector):
        """Each element's place in the window by id, as the page shows it (x, y, width, height)."""
        return self.js(f"""const w = {WINDOW}, s = w.width / 857;
            return Object.fromEntries([...document.querySelectorAll(arguments[0])].map((e) => {{
                const r = e.getBoundingClientRect();
                return [e.id, e.hidden ? null : [r.x - w.x, r.y - w.y, r.width, r.height].map((v) => Math.round(v / s))];
            }}));""", selector)

    def sticks(self):
        places = self.boxes(".stick")
        return [places[f"batonnet{i}"] for i in range(len(places))]

    def in_play(self):
        return [i for i, p in enumerate(self.sticks()) if p and p[1] == IN_PLAY and 0 <= p[0] <= 857 - 24]

    def ax(self):
        """The accessibility tree's nodes shown: role, name, description, states and text."""
        nodes = self.cdp("Accessibility.getFullAXTree")["nodes"]
        by_id = {n["nodeId"]: n for n in nodes}
        value = lambda n, key: n.get(key, {}).get("value", "")
        text = lambda n: (value(n, "name") if n["role"]["value"] == "StaticText" else "") + "".join(
            text(by_id[c]) for c in n.get("childIds", []) if c in by_id)
        return [{"id": n["nodeId"], "parent": n.get("parentId"), "role": n["role"]["value"], "name": value(n, "name"),
                 "description": value(n, "description"), "text": text(n),
                 "states": {p["name"]: p["value"].get("value") for p in n.get("properties", [])}}
                for n in nodes if not n.get("ignored")]

    def said(self):
        """The live region's announcements, in order, as the accessibility tree has them."""
        nodes = self.ax()
        log = next(n for n in nodes if n["role"] == "log")
        return [n["text"] for n in nodes if n["parent"] == log["id"]]

    def screenshot(self, name=None):
        r = self.js(f"return {WINDOW}.toJSON()")
        clip = {k: r[k] for k in ("x", "y", "width", "height")} | {"scale": 1}
        data = base64.b64decode(self.cdp("Page.captureScreenshot", format="png", clip=clip)["data"])
        if name:
            (SHOTS / name).write_bytes(data)
        return Image.open(io.BytesIO(data)).convert("RGB")


def play(b, by_keys):
    """Plays Normale, the player first, once Jouer is pressed, to the player's win: each move
    leaves the computer a count of 4k + 1. Returns the announcements the game should have made."""
    expected = ["A vous de jouer..."]
    while True:
        left = b.in_play()
        n = len(left)
        take = (n - 1) % 4 or 1
        for k in range(take):
            n -= 1
            # By the keys, the focus moves on to the next stick in play.
            b.press(Keys.SPACE) if by_keys else b.click(b.sticks()[left[k]][0] + 12, 160)
            if n == 1:
                return expected + ["Il en reste 1. Vous gagnez !"]
            expected.append(f"Il en reste {n}." + (" L'ordinateur joue" if k == 2 else ""))
        if take < 3:
            if by_keys:
                check(b.press(Keys.TAB, Keys.SPACE)[0] == "joue", "Tab from the row reaches Validez")
            else:
                b.click(542, 404)  # Validez votre coup
            expected.append("L'ordinateur joue")
        taken = n - len(b.in_play())
        if not 1 <= taken <= 3:  # a game whose rules went wrong would never end
            check(False, f"the computer takes 1 to 3 sticks, not {taken}")
            return expected
        n -= taken
        expected.append(f"L'ordinateur prend {taken} bâtonnet{'s' if taken > 1 else ''}, il en reste {n}. A vous de jouer...")
        if not by_keys and n > 12:
            b.screenshot("page-game.png")


def clicks():
    """The first frame beside the desktop's; the accessibility tree; a game won by clicks."""
    b = Browser()
    page = b.screenshot("page-first-frame.png")
    desktop = Image.open(SOURCE / "tests" / "window" / "golden" / "start@1x.png").convert("RGB")
    check(page.size == desktop.size == (857, 429), f"the window is 857×429 ({page.size})")
    places = b.boxes(", ".join("#" + name for name in PLACES))
    for name, place in PLACES.items():
        check(tuple(places[name]) == place, f"{name} at {place} ({places[name]})")
    fonts = b.js("return [...document.fonts].map((f) => `${f.family} ${f.status}`)")
    check(fonts == ["Batonnets Sans loaded", "Batonnets Serif loaded"], f"the page's own fonts: {fonts}")
    diff = ImageChops.difference(page, desktop).convert("L")
    same = sum(1 for v in diff.getdata() if v == 0) / (857 * 429)
    print(f"first frame: {same:.1%} of its pixels identical to the desktop's")
    # The pictures are the same pixels; the captions, drawn by another rasteriser, nearly.
    for name, (x, y, w, h) in PLACES.items():
        region = diff.crop((x, y, x + w, y + h) if name != "couvercle" else (0, 28, 800, 314))
        close = sum(1 for v in region.getdata() if v <= 24) / (region.width * region.height)
        check(close >= (0.99 if name == "couvercle" else 0.85), f"{name} looks as on the desktop ({close:.1%})")

    nodes = b.ax()
    named = {(n["role"], n["name"]): n for n in nodes}
    for role, name, states in [
            ("main", "Jeu des bâtonnets - Vendrix34 - v 1.0", {}),  # names fold their spaces
            ("radiogroup", "Force", {}), ("radio", "Normale", {"checked": "true"}),
            ("radio", "Expert", {"checked": "false"}), ("radiogroup", "Début", {}),
            ("radio", "Joueur", {"checked": "true"}), ("radio", "Ordinateur", {"checked": "false"}),
            ("button", "Jouer", {}), ("button", "Quitter", {}), ("button", "Ouvrir", {}),
            ("button", "Fermer", {}), ("button", "Validez votre coup", {"disabled": True}),
            ("group", "Bâtonnets, 20 en jeu", {}), ("image", "Couvercle", {"description": "fermé"}),
            ("status", "", {}), ("log", "", {"live": "polite"})]:
        n = named.get((role, name))
        check(n is not None and all(n["states"].get(k, n.get(k)) == v for k, v in states.items()),
              f"{role} « {name} » {states}" + ("" if n else " missing"))
    sticks = [n["name"] for n in nodes if n["role"] == "button" and n["name"].startswith("Bâtonnet")]
    check(sticks == [f"Bâtonnet {i}" for i in range(1, 22)], "the sticks are buttons « Bâtonnet 1 » to « Bâtonnet 21 »")

    b.click(315, 402)  # Jouer
    expected, said = play(b, by_keys=False), b.said()
    check(b.js("return document.querySelector('#window.keyboard') === null"), "no focus mark for a player who clicks")
    check(said == expected, "the live region says each message once, in order:\n      "
          + "\n      ".join(said) + ("" if said == expected else "\n    expected:\n      " + "\n      ".join(expected)))
    nodes = b.ax()
    states = {n["name"]: n["description"] for n in nodes if n["name"].startswith("Bâtonnet ")}
    check(all(states[f"Bâtonnet {i + 1}"] == ("pris par vous" if p[1] == BY_PLAYER else "pris par l'ordinateur"
              if p[1] == BY_COMPUTER else "en jeu") for i, p in enumerate(b.sticks()) if p and p[0] < 857),
          "each stick says whether it is in play or taken, and by whom")
    check(any(n["role"] == "group" and n["name"] == "Bâtonnets, 1 en jeu" for n in nodes),
          "the row says one stick is left")
    sent = [json.loads(e["message"])["message"] for e in b.d.get_log("performance")]
    urls = [m["params"]["request"]["url"] for m in sent if m["method"] == "Network.requestWillBeSent"
            and m["params"].get("documentURL", "").startswith(ORIGIN)]
    others = [u for u in urls if not u.startswith(ORIGIN + "/")]
    check(len(urls) >= 8 and others == [], f"no request to another origin, of {len(urls)}: {others}")
    # The test's own server under another name is another origin that would answer: only the
    # page's policy keeps the request from being made.
    other = ORIGIN.replace("127.0.0.1", "localhost")
    blocked = b.d.execute_async_script("""const [url, done] = arguments;
        fetch(url, {mode: 'no-cors'}).then(() => done('fetched'), () => done('blocked'));""", other + "/")
    check(blocked == "blocked", "the page's policy forbids another origin")
    b.d.quit()


def keyboard():
    """The desktop's tab order and keys; a game won by the keyboard alone; Escape ends it."""
    b = Browser()
    check(b.js("return document.activeElement.id") == "force0", "Normale has the focus at the start")
    check(b.js("return document.querySelector('#window.keyboard') === null"), "no focus mark before a key")
    order = b.press(*[Keys.TAB] * 6 + [(Keys.SHIFT, Keys.TAB)] * 6)
    check(order == ["force1", "debut0", "debut1", "jouer", "quitter", "fermer",
                    "quitter", "jouer", "debut1", "debut0", "force1", "force0"], f"Tab and Shift+Tab: {order}")
    b.press(Keys.TAB, Keys.TAB, Keys.DOWN)  # the arrows select round the group
    checked = b.js("return [...document.querySelectorAll('[aria-checked=true]')].map((o) => o.id)")
    check(b.mark()[0] == "debut1" and checked == ["force0", "debut1"], f"Down selects Ordinateur ({checked})")
    check(b.press(Keys.DOWN, Keys.TAB, Keys.TAB)[-1] == "jouer", "Tab reaches Jouer")
    walk = b.press(Keys.SPACE, Keys.RIGHT, Keys.RIGHT, Keys.LEFT, Keys.END, Keys.HOME)[1:]
    check(walk == ["batonnet1", "batonnet2", "batonnet1", "batonnet19", "batonnet0"],
          f"Jouer greyed hands the focus to the row, which the arrows walk ({walk})")
    check(b.mark() == ["batonnet0", "solid", "2px", "rgb(255, 255, 160)"], f"the focused stick is marked ({b.mark()})")
    play(b, by_keys=True)
    check(b.js("return document.querySelector('#resultat span').textContent") == "Vous gagnez !",
          "the game won by the keyboard")
    check(b.mark() == ["jouer", "solid", "2px", "rgb(255, 255, 255)"], f"the game over, Jouer has the focus, marked ({b.mark()})")
    ActionChains(b.d).send_keys(Keys.ESCAPE).perform()
    time.sleep(0.2)
    b.idle()
    check(b.js("return document.getElementById('window').inert"), "Escape ends the game, as Quitter")
    b.d.quit()


def pace():
    """The lid's slide timed from the page; input made during an animation handled after it."""
    b = Browser()
    # Each frame's time and the lid's place in it, read once the frame is drawn: a message
    # posted from the frame's callback arrives after the drawing.
    b.js("""window.frames_ = [];
        document.addEventListener('click', (e) => { window.clicked_ = e.timeStamp; }, true);
        const lid = document.getElementById('couvercle');
        const channel = new MessageChannel();
        channel.port1.onmessage = (e) => {
            frames_.push([e.data, new DOMMatrix(getComputedStyle(lid).transform).m41]);
            requestAnimationFrame((t) => channel.port2.postMessage(t));
        };
        requestAnimationFrame((t) => channel.port2.postMessage(t));""")
    b.click(315, 362)  # Ouvrir
    frames, start = b.js("return [frames_, clicked_]")
    end = next(t for t, x in frames if x == 857)
    moving = [t for t, x in frames if start <= t <= end]
    gaps = max((t1 - t0 for t0, t1 in zip(moving, moving[1:])), default=end - start)
    print(f"lid slide: {end - start:.0f} ms, {len(moving)} frames, longest between two {gaps:.0f} ms")
    check(950 <= end - start <= 1050, f"the lid slides in 1000 ms ± 5% ({end - start:.0f} ms)")
    check(len(moving) >= 10 and gaps < 250, "the page shows the slide frame by frame, never frozen")
    check(b.said() == ["Couvercle ouvert"], "the lid's opening is said")
    b.click(785, 362)  # Fermer, then a game whose opening is under way when a stick is clicked
    check(b.said()[-1] == "Couvercle fermé", "and its closing")
    b.click(315, 402, wait=False)  # Jouer
    time.sleep(0.4)
    lid = b.js("return new DOMMatrix(getComputedStyle(couvercle).transform).m41")
    b.click(18 + 19 * 42 + 12, 160, wait=False)  # stick 20, still under the lid
    b.idle()
    check(lid < 700 and b.sticks()[19][1] == BY_PLAYER,
          f"a click on a stick made while the lid opened (at {lid:.0f}) takes it once it has opened")
    check(b.said()[-1] == "Il en reste 19.", "and it is said after the opening's message")
    b.d.quit()


def languages():
    """The page in each language the browser asks for, French otherwise."""
    for lang, speaks in [("de", "de"), ("en-GB", "en"), ("es", "es"), ("it", "it"), ("pt-BR", "fr")]:
        t = {} if speaks == "fr" else {m.findtext("source"): m.findtext("translation")
                                       for m in ET.parse(SOURCE / "translations" / f"batonnets_{speaks}.ts").iter("message")}
        tr = lambda french: t.get(french) or french
        b = Browser(lang)
        b.screenshot(f"page-{speaks}.png" if lang != "pt-BR" else None)
        got = b.js("""return [document.documentElement.lang, document.title,
            document.getElementById('jouer').textContent, document.getElementById('couvercle').currentSrc,
            [...document.querySelectorAll('button > span')].every((s) => s.offsetWidth <= s.parentNode.clientWidth)]""")
        title = " ".join(tr("Jeu des bâtonnets - Vendrix34 -  v %1").replace("%1", "1.0").split())
        check(got[0] == speaks and got[1] == title
              and got[2] == tr("Jouer") and got[3].endswith("/couvercle.jpg" if speaks == "fr" else f"/couvercle_{speaks}.jpg")
              and got[4], f"{lang}: the page speaks {speaks}, its lid too, every caption whole ({got})")
        check({tr("Bâtonnet") + " 1", tr("Couvercle"), tr("Validez votre coup"), tr("Bâtonnets, %1 en jeu").replace("%1", "20")}
              <= {n["name"] for n in b.ax()}, f"{lang}: the screen reader's names")
        b.d.quit()


def phone():
    """A phone held sideways: the window scaled whole, its pictures at 2x, a tap takes a stick."""
    b = Browser(metrics={"width": 640, "height": 360, "deviceScaleFactor": 2, "mobile": True})
    b.cdp("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
    r = b.js(f"return {WINDOW}.toJSON()")
    check(abs(r["width"] - 640) < 1 and abs(r["height"] - 429 * 640 / 857) < 1 and r["x"] >= 0 and r["y"] >= 0,
          f"the window scaled whole into 640×360 ({r['width']:.0f}×{r['height']:.0f})")
    check(b.js("return document.getElementById('couvercle').currentSrc").endswith("@2x.jpg"), "the 2x pictures")
    b.click(315, 402, touch=True)  # Jouer
    b.click(18 + 12, 160, touch=True)
    check(b.sticks()[0][1] == BY_PLAYER, "a tap takes a stick")
    b.d.quit()


def contrast():
    """prefers-contrast: more gives the high-contrast look, read from the pixels, live."""
    b = Browser()

    def look(more):
        b.cdp("Emulation.setEmulatedMedia", features=[{"name": "prefers-contrast", "value": "more" if more else ""}])
        b.js("return document.getElementById('couvercle').decode()")
        return b.screenshot("page-high-contrast.png" if more else None)

    normal, high = look(False), look(True)
    check(normal.getpixel((2, 335)) == (128, 64, 64) and high.getpixel((2, 335)) == (0, 0, 0),
          f"the window's colour: {normal.getpixel((2, 335))}, then {high.getpixel((2, 335))}")
    check(b.js("return document.getElementById('couvercle').currentSrc").endswith("/couvercle-high-contrast.jpg"),
          "the high-contrast lid")
    check(high.getpixel((800, 344)) == high.getpixel((800, 345)) == (255, 255, 255), "Fermer outlined in white")
    b.click(315, 402)  # Jouer: « A vous de jouer... » in the game's green, a shade darker
    inked = [p for p in b.screenshot().crop((384, 344, 699, 386)).getdata()]
    check(inked.count((0, 91, 0)) >= 100 and inked.count((0, 128, 0)) == 0, "the message at 8:1 and more")
    check(look(False).getpixel((2, 335)) == (128, 64, 64), "the normal look again, in the same game")
    b.d.quit()


SCENARIOS = {f.__name__: f for f in (clicks, keyboard, pace, languages, phone, contrast)}
if __name__ == "__main__":
    PAGE, SOURCE, SHOTS = (pathlib.Path(a) for a in sys.argv[1:4])
    SHOTS.mkdir(parents=True, exist_ok=True)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=PAGE))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    ORIGIN = f"http://127.0.0.1:{server.server_port}"
    try:
        for name in sys.argv[4:] or SCENARIOS:
            print(f"-- {name}", flush=True)
            SCENARIOS[name]()
    finally:
        server.shutdown()
    print(f"{len(failures)} failed" if failures else "all passed")
    sys.exit(1 if failures else 0)
