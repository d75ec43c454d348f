// SPDX-License-Identifier: GPL-3.0-or-later
// The page's front end: what the game asks of its window (web/WebWindow.cpp calls Page),
// carried out on the page's elements; the game's handlers run one at a time, each to its
// end, with the input made meanwhile held and carried out afterwards against the state it
// left; the keyboard, the focus and what a screen reader is told; the page's language.
'use strict';

const Page = (() => {
    // How far ahead of their schedule the passes may run before the page shows a frame and
    // hands the browser its turn: a quarter of a 60 Hz frame.
    const PaceBurstMs = 4;
    // Later than this behind its schedule, a pass starts the cadence afresh rather than
    // catch up: a new animation, or a frame the browser was long in giving.
    const StallMs = 100;
    // The longest wait for a frame: a hidden page gets none, and its game still goes on.
    const FrameTimeoutMs = 100;
    // The announcements kept in the log, the newest last, for a screen reader to go back to.
    const AnnouncementsKept = 20;
    // Where stick 0 stands when the window opens; the others are made from it.
    const FirstStick = { left: 18, top: 36 };

    const $ = (id) => document.getElementById(id);
    const win = $('window');
    const stage = $('stage');
    const row = $('row');
    const status = $('resultat');
    const lidPicture = $('couvercle');
    const boards = [$('plateau20'), $('plateau21')];
    const log = $('announcements');

    // ---- language: the first of the browser's languages the game speaks, else French --------
    const french = {}; // the game's texts by key, as game/Texts.h writes them
    const language = (() => {
        const wanted = navigator.languages && navigator.languages.length
            ? navigator.languages : [navigator.language || 'fr'];
        for (const name of wanted) {
            const code = String(name).split(/[-_]/)[0].toLowerCase();
            if (code === 'fr') return 'fr';
            if (Object.hasOwn(Translations, code)) return code;
        }
        return 'fr';
    })();
    const table = language === 'fr' ? {} : Translations[language];
    const tr = (text) => (Object.hasOwn(table, text) ? table[text] : text);
    const format = (text, ...args) => text.replace(/%([12])/g, (_, n) => String(args[n - 1]));
    const said = (key) => tr(french[key]);
    document.documentElement.lang = language;
    // The lid shows the rules in the language spoken, in either look (the browser follows
    // the player's contrast setting, live).
    const lidName = language === 'fr' ? 'couvercle' : `couvercle_${language}`;
    lidPicture.srcset = `${lidName}.jpg 1x, ${lidName}@2x.jpg 2x`;
    lidPicture.src = `${lidName}.jpg`;
    $('couvercle-contrast').srcset = `${lidName}-high-contrast.jpg 1x, ${lidName}-high-contrast@2x.jpg 2x`;

    // ---- the model: the controls' places as the game set them, shown at the next frame --------
    const sticks = [{ el: $('batonnet0'), ...FirstStick, shown: true, moved: true, inPlay: false }];
    const lid = { left: 0, moved: false };
    let board = 0;
    let boardChanged = false;
    let inPlayTop = 0;
    let periodMs = 0;
    let pending = false; // changed since the last frame was drawn
    let unshown = false; // drawn since the browser last put a frame on screen
    let deadline = -Infinity;

    const stickName = (i) => `${said('batonnet')} ${i + 1}`;
    const box = (el, left, top) => ({
        left: Math.round(left), top: Math.round(top), width: el.offsetWidth, height: el.offsetHeight,
    });
    const overlap = (a, b) => a.left < b.left + b.width && b.left < a.left + a.width &&
        a.top < b.top + b.height && b.top < a.top + a.height;
    const windowBox = () => ({ left: 0, top: 0, width: win.offsetWidth, height: win.offsetHeight });
    const lidBox = () => box(lidPicture, lid.left, lidPicture.offsetTop);
    const stickBox = (s) => box(s.el, s.left, s.top);
    // Whether a click could land on stick i: shown, in the window, not under the lid.
    const reachable = (s) => s.shown && overlap(stickBox(s), windowBox()) && !overlap(stickBox(s), lidBox());

    function draw() {
        for (const s of sticks) {
            if (!s.moved) continue;
            s.moved = false;
            s.el.style.transform = `translate(${Math.round(s.left)}px, ${Math.round(s.top)}px)`;
            s.el.hidden = !s.shown;
        }
        if (lid.moved) {
            lid.moved = false;
            lidPicture.style.transform = `translateX(${Math.round(lid.left)}px)`;
        }
        if (boardChanged) {
            boardChanged = false;
            boards.forEach((b, k) => { b.hidden = k !== board; });
        }
        pending = false;
        unshown = true;
    }

    // ---- what a screen reader is told besides the focus ---------------------------------------
    // The messages of one moment go out together, as one announcement added to the log: a
    // screen reader cuts a message short when the next one comes.
    const announcer = {
        queued: [],
        say(text) { if (text) this.queued.push(text); },
        flush() {
            if (!this.queued.length) return;
            const p = document.createElement('p');
            p.textContent = this.queued.join(' ');
            this.queued = [];
            log.append(p);
            while (log.childElementCount > AnnouncementsKept) log.firstElementChild.remove();
        },
    };
    let captionSaid = false; // the status line's message, since the flag was last raised
    let focusParked = false; // a handler disabled the focused button
    let gameEnded = false; // a handler played a game to its end

    // ---- the game's handlers, one at a time, and the input that waits for them ---------------
    let busy = true; // until the start-up has run
    let ended = false;
    const held = [];

    async function handle(name, arg = 0) {
        busy = true;
        deadline = -Infinity; // each handler's passes start their cadence afresh
        win.setAttribute('aria-busy', 'true');
        await Module.ccall(`batonnets_${name}`, null, ['number'], [arg], { async: true });
        if (pending) draw();
        busy = false;
        if (ended) return;
        settle();
        win.setAttribute('aria-busy', 'false');
        while (!busy && !ended && held.length) carryOut(held.shift());
    }

    // What a click on the control does: the game's handler for it, once it is clicked.
    function press(c) {
        if (isStick(c)) {
            handle('onBatonnet', sticks.indexOf(stickOf(c)));
        } else if (c.classList.contains('option')) {
            for (const mate of c.parentElement.querySelectorAll('.option'))
                mate.setAttribute('aria-checked', String(mate === c));
            const group = c.id.slice(0, -1); // force or debut
            handle(group === 'force' ? 'onForce' : 'onDebut', Number(c.id.slice(-1)));
        } else {
            handle(`on${c.id[0].toUpperCase()}${c.id.slice(1)}`);
        }
    }

    // A press: a click at a place of the window, hit there and then (the lid may lie over
    // it by now), or a control pressed by assistive technology, or a key.
    function carryOut(p) {
        if (p.key) return key(p.key);
        const c = p.control || document.elementFromPoint(p.x, p.y)?.closest('button');
        if (!c || !win.contains(c) || c.disabled) return;
        const stick = stickOf(c);
        if (stick && !reachable(stick)) return;
        // A click gives a button the focus; a stick never takes it from a click.
        if (!p.control && !stick) c.focus({ preventScroll: true });
        press(c);
    }

    win.addEventListener('click', (e) => {
        e.preventDefault();
        e.stopPropagation();
        if (ended) return;
        // A click of the mouse or a tap has a place; a press from assistive technology
        // (detail 0) is the control's own.
        const p = e.detail > 0 ? { x: e.clientX, y: e.clientY } : { control: e.target.closest('button') };
        if (busy) held.push(p);
        else carryOut(p);
    }, true);
    win.addEventListener('mousedown', (e) => {
        // The focus does not move during a handler, and never to a stick on a click.
        if (busy || e.target.closest('.stick')) e.preventDefault();
    }, true);
    // The focus mark shows once the keyboard is used, and goes with a click or a tap.
    document.addEventListener('pointerdown', () => win.classList.remove('keyboard'), true);

    // ---- the keyboard --------------------------------------------------------------------------
    const stickOf = (el) => sticks.find((s) => s.el === el);
    const isStick = (el) => el.classList.contains('stick');
    // The controls the keyboard reaches, in the window's order: the sticks in play only.
    const chain = () => [...win.querySelectorAll('button')]
        .filter((b) => !b.disabled && (!isStick(b) || stickOf(b).inPlay));

    // Tab and Shift+Tab along the window's controls, the row of sticks one stop of it; at
    // either end the browser takes the focus on, out of the page.
    function tab(from, forward) {
        const all = chain();
        const stops = all.filter((b, k) => !isStick(b) || k === 0 || !isStick(all[k - 1]));
        const k = isStick(from) ? stops.findIndex(isStick) : stops.indexOf(from);
        const to = k < 0 ? undefined : stops[k + (forward ? 1 : -1)];
        if (!to) return false;
        // Into the row from behind, Shift+Tab lands on its last stick, as on the desktop.
        if (isStick(to) && !forward) all.filter(isStick).at(-1).focus();
        else to.focus();
        return true;
    }

    // A key, as typed now: returns whether the page used it.
    function key(k) {
        const f = document.activeElement;
        const plain = !k.ctrl && !k.alt && !k.meta;
        if ((k.key === 'Escape' && plain) || (k.key.toLowerCase() === 'q' && k.ctrl && !k.alt && !k.meta)) {
            carryOut({ control: $('quitter') });
            return true;
        }
        if (!win.contains(f) || f.tagName !== 'BUTTON') return false;
        if ((k.key === ' ' || k.key === 'Enter') && plain && !k.shift) {
            if (!k.repeat) carryOut({ control: f });
            return true;
        }
        if (k.key === 'Tab' && plain) return tab(f, !k.shift);
        const back = ['ArrowLeft', 'ArrowUp', 'Home'].includes(k.key);
        const forth = ['ArrowRight', 'ArrowDown', 'End'].includes(k.key);
        if (!(back || forth) || !plain) return false;
        if (isStick(f)) {
            // The arrows walk the sticks in play; Home and End go to either end.
            const boxes = sticks.filter((s) => s.inPlay || s.el === f).map((s) => s.el);
            let to = boxes.indexOf(f) + (back ? -1 : 1);
            if (k.key === 'Home') to = 0;
            if (k.key === 'End') to = boxes.length - 1;
            if (to >= 0 && to < boxes.length) boxes[to].focus();
        } else if (f.classList.contains('option') && k.key !== 'Home' && k.key !== 'End') {
            // As a desktop's option group: the arrows select the next one round the group.
            const mates = [...f.parentElement.querySelectorAll('.option')].filter((b) => b === f || !b.disabled);
            const to = mates[(mates.indexOf(f) + (back ? -1 : 1) + mates.length) % mates.length];
            to.focus();
            carryOut({ control: to });
        }
        return true;
    }

    const ours = (e) => ['Tab', ' ', 'Enter', 'Escape', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown',
        'Home', 'End'].includes(e.key) || (e.ctrlKey && e.key.toLowerCase() === 'q');
    document.addEventListener('keydown', (e) => {
        if (ended) return;
        win.classList.add('keyboard');
        if (!ours(e)) return;
        const k = { key: e.key, shift: e.shiftKey, ctrl: e.ctrlKey, alt: e.altKey, meta: e.metaKey, repeat: e.repeat };
        if (busy) {
            e.preventDefault();
            held.push({ key: k });
        } else if (key(k)) {
            e.preventDefault();
        }
    }, true);

    // Once the last handler has run: what the sticks and the lid say, where the focus goes.
    function settle() {
        lidPicture.setAttribute('aria-description', said(lid.left > 0 ? 'ouvert' : 'ferme'));
        // The sticks in play that the lid leaves uncovered take the focus from the keyboard.
        // One that had it and has just left play hands it to its nearest neighbour still in
        // play, to the right first, and a focus parked by a disabled button goes to the
        // first one, or to Jouer when no stick is in reach.
        const focused = stickOf(document.activeElement);
        const from = focused ? sticks.indexOf(focused) : 0;
        let before = null;
        let after = null;
        let count = 0;
        sticks.forEach((s, i) => {
            s.el.setAttribute('aria-description', said(s.top === inPlayTop ? 'enJeu'
                : s.top > inPlayTop ? 'prisParVous' : 'prisParOrdinateur'));
            const b = stickBox(s);
            count += s.top === inPlayTop && b.left >= 0 && b.left + b.width <= win.offsetWidth;
            s.inPlay = s.top === inPlayTop && reachable(s);
            if (!s.inPlay) return;
            if (i < from) before = s;
            if (i >= from && !after) after = s;
        });
        row.setAttribute('aria-label', format(said('batonnetsEnJeu'), count));
        const parked = focusParked;
        focusParked = false;
        if (gameEnded && !$('jouer').disabled) {
            // A game is over and the next thing a player does is start another: Jouer takes
            // the focus, once the result has been said.
            gameEnded = false;
            announcer.flush();
            $('jouer').focus();
            return;
        }
        gameEnded = false;
        if ((focused && !focused.inPlay) || parked) {
            const to = after || before;
            if (to) to.el.focus();
            else if (parked && !$('jouer').disabled) $('jouer').focus();
        }
        // Said last, after the focus has settled: a screen reader speaks the new focus first.
        announcer.flush();
    }

    // ---- the page: its size, and shown once everything of its first frame is there ----------
    function fit() {
        // The viewport's own size: a phone's browser widens innerWidth to what overflows it.
        const { clientWidth: vw, clientHeight: vh } = document.documentElement;
        const s = Math.min(1, vw / win.offsetWidth, vh / win.offsetHeight);
        const w = win.offsetWidth * s;
        const h = win.offsetHeight * s;
        win.style.transform = s < 1 ? `scale(${s})` : '';
        Object.assign(stage.style, {
            width: `${w}px`, height: `${h}px`,
            // Whole pixels: the pictures stay sharp, one pixel of theirs to one of the screen.
            left: `${Math.max(0, Math.floor((vw - w) / 2))}px`,
            top: `${Math.max(0, Math.floor((vh - h) / 2))}px`,
        });
    }
    addEventListener('resize', fit);
    fit();

    // A caption too wide for its control is set smaller, whole, rather than cut.
    function shrink(span, room) {
        span.style.fontSize = '';
        let px = parseFloat(getComputedStyle(span).fontSize);
        while (span.offsetWidth > room && px > 8) span.style.fontSize = `${--px}px`;
    }
    // A frame's title placed by its ink, as the desktop places it: centred in its band
    // while every glyph, shadow and all, lies inside the band's border with a pixel to
    // spare; else moved into it by whole pixels, and set a pixel smaller only while its
    // ink is taller or wider than that.
    const ink = document.createElement('canvas').getContext('2d');
    function placeTitle(el) {
        const band = el.offsetHeight;
        const [first, last] = [2, band - 3]; // the rows the ink may take
        const room = el.offsetWidth - 10;
        for (let px = parseFloat(getComputedStyle(el).fontSize); ; --px) {
            ink.font = `bold ${px}px "Batonnets Sans"`;
            const m = ink.measureText(el.textContent);
            const ascent = Math.round(m.fontBoundingBoxAscent);
            const baseline = Math.round((band - ascent - Math.round(m.fontBoundingBoxDescent)) / 2 + ascent);
            const top = Math.floor(baseline - m.actualBoundingBoxAscent);
            const bottom = Math.ceil(baseline + m.actualBoundingBoxDescent); // the shadow's row
            const wide = Math.ceil(m.actualBoundingBoxLeft + m.actualBoundingBoxRight) + 1 > room;
            if ((bottom - top > last - first || wide) && px > 8) continue;
            const shift = top < first ? first - top : bottom > last ? last - bottom : 0;
            el.style.fontSize = `${px}px`;
            el.style.lineHeight = `${band + 2 * shift}px`;
            return;
        }
    }
    const shrinkCaptions = () => {
        for (const b of win.querySelectorAll('.button')) shrink(b.firstElementChild, b.clientWidth - 12);
        shrink(status.firstElementChild, status.clientWidth - 8);
        for (const t of win.querySelectorAll('.title')) placeTitle(t);
    };

    const pictures = [lidPicture, boards[0], boards[1]].map((img) => img.decode().catch(() => {}));
    const fonts = ['bold 24px "Batonnets Sans"', 'italic bold 29px "Batonnets Serif"']
        .map((f) => document.fonts.load(f));

    return {
        setText(k, text) {
            french[k] = text;
            for (const el of document.querySelectorAll(`[data-text="${k}"]`)) el.textContent = tr(text);
        },
        async start(version, passPeriodUs, rowTop) {
            periodMs = passPeriodUs / 1000;
            inPlayTop = rowTop;
            const title = format(said('title'), version);
            document.title = title;
            win.setAttribute('aria-label', title); // as it is written: document.title trims it
            lidPicture.alt = said('couvercle');
            sticks[0].el.setAttribute('aria-label', stickName(0));
            await Promise.all([...pictures, ...fonts]);
            shrinkCaptions();
            await handle('onActivated');
            draw();
            win.classList.remove('loading');
            $('force0').focus({ preventScroll: true }); // the first choice, as the window opens
            requestAnimationFrame(() => performance.mark('first-frame'));
        },

        stick: (i) => sticks[i],
        moveStick(i, left, top) {
            Object.assign(sticks[i], { left, top, moved: true });
            pending = true;
        },
        showStick(i) {
            Object.assign(sticks[i], { shown: true, moved: true });
            pending = true;
        },
        // Stick i as a copy of stick 0: its picture, size and place, hidden, in the row.
        createStick(i) {
            const el = sticks[0].el.cloneNode(false);
            el.id = `batonnet${i}`;
            el.setAttribute('aria-label', stickName(i));
            sticks[i - 1].el.after(el);
            sticks[i] = { el, left: sticks[0].left, top: sticks[0].top, shown: false, moved: true, inPlay: false };
            pending = true;
        },
        lidLeft: () => lid.left,
        lidWidth: () => lidPicture.offsetWidth,
        moveLid(left) {
            Object.assign(lid, { left, moved: true });
            pending = true;
        },
        setBoard(b) {
            board = b;
            boardChanged = pending = true;
        },

        // The game owns the pace, the browser the frames: the passes run on their own clock
        // and, once a few milliseconds ahead of it, the newest state is drawn and the loop
        // waits for the browser's next frame, then catches up.
        pace() {
            // A message shown as an animation starts ("L'ordinateur joue") is said as it starts.
            announcer.flush();
            const now = performance.now();
            if (now > deadline + StallMs) deadline = now;
            deadline += periodMs;
            if (deadline - now < PaceBurstMs) return 0;
            if (pending) draw();
            return 1;
        },
        nextFrame: () => new Promise((resolve) => {
            const timer = setTimeout(resolve, FrameTimeoutMs);
            requestAnimationFrame(() => {
                clearTimeout(timer);
                resolve();
            });
        }),
        // An animation's end: its last pass is put on screen before the handler goes on.
        flushFrame() {
            if (pending) draw();
            return unshown ? 1 : 0;
        },
        // Resolves once the browser has put a frame on screen: a message posted from the
        // frame's own callback arrives after the frame has been drawn.
        frameShown: () => new Promise((resolve) => {
            const done = () => {
                unshown = false;
                resolve();
            };
            const timer = setTimeout(done, FrameTimeoutMs);
            const channel = new MessageChannel();
            channel.port1.onmessage = () => {
                clearTimeout(timer);
                done();
            };
            requestAnimationFrame(() => channel.port2.postMessage(0));
        }),

        setStatusText(text) {
            const shown = tr(text);
            const span = status.firstElementChild;
            if (shown === span.textContent) return;
            span.textContent = shown;
            shrink(span, status.clientWidth - 8);
            // Every new message is said as it is shown.
            captionSaid = shown !== '';
            announcer.say(shown);
        },
        setStatusColour(r, g, b) {
            const hex = [r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('');
            status.style.color = `var(--status-${hex}, rgb(${r}, ${g}, ${b}))`;
        },
        setStatusFlag(on) {
            // A message shown again, which its text alone would not say, is said when the game
            // raises the flag after it; a new one was said already.
            if (!on) return;
            if (!captionSaid) announcer.say(status.textContent);
            captionSaid = false;
        },
        setEnabled(id, on) {
            const b = $(id);
            // A disabled button would drop the focus to the page; settle() gives it to the
            // sticks once the handler has finished, never on to Quitter or Fermer.
            if (!on && document.activeElement === b) {
                b.blur();
                focusParked = true;
            }
            b.disabled = !on;
        },
        gameEnded() {
            gameEnded = true;
        },
        optionSelected: (id) => ($(id).getAttribute('aria-checked') === 'true' ? 1 : 0),
        say(text, a, b) {
            announcer.say(format(tr(text), a, b));
        },
        // Nothing may take a click, a key or the focus once the game has ended.
        end() {
            ended = true;
            held.length = 0;
            win.inert = true;
            win.setAttribute('aria-busy', 'false');
            window.close(); // if the page was opened by a script; else it stays, closed
        },
    };
})();

var Module = { // eslint-disable-line no-unused-vars
    // The game's main() hands the page its texts and calls Page.start().
};
