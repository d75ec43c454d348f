#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's figures for bench/run.sh, in headless Chromium (driven as tests/web does): its
# size, the time from navigation to its first frame, the lid's slide, and the longest
# handler's length and CPU. Prints "web KEY VALUE..." lines; it measures, never judges.
#   web.py PAGE_DIR [STARTS] [SLIDES]
import gzip
import pathlib
import statistics
import sys
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
import web_page as w  # noqa: E402

page = pathlib.Path(sys.argv[1])
starts = int(sys.argv[2]) if len(sys.argv) > 2 else 5
slides = int(sys.argv[3]) if len(sys.argv) > 3 else 3
files = [f for f in page.iterdir() if f.is_file()]
print("web page-bytes", sum(f.stat().st_size for f in files), len(files))
print("web page-gzip-bytes", sum(len(gzip.compress(f.read_bytes(), 9)) for f in files))
server = w.serve(page)


def ticks(root):
    """CPU ticks (1/100 s) of a process's descendants: the renderers, and the others (the
    browser, its GPU and utility processes)."""
    parent, cmd, cpu = {}, {}, {}
    for proc in pathlib.Path("/proc").iterdir():
        try:
            fields = (proc / "stat").read_text().rsplit(")", 1)[1].split()
            parent[int(proc.name)] = int(fields[1])
            cpu[int(proc.name)] = int(fields[11]) + int(fields[12])
            cmd[int(proc.name)] = (proc / "cmdline").read_bytes()
        except (OSError, ValueError):
            continue
    ours = {root}
    for _ in range(5):  # a few generations deep
        ours |= {p for p, pp in parent.items() if pp in ours}
    renderer = sum(cpu[p] for p in ours if b"--type=renderer" in cmd[p])
    return renderer, sum(cpu[p] for p in ours if b"--type=renderer" not in cmd[p])


firsts, visits = [], []
for _ in range(starts):
    b = w.Browser()
    firsts.append(b.js("return performance.getEntriesByName('first-frame')[0].startTime"))
    visits.append(b.js("return performance.getEntriesByType('resource').reduce((s, r) => s + r.transferSize, 0)"
                       " + performance.getEntriesByType('navigation')[0].transferSize"))
    b.close()
print("web first-frame-ms", statistics.median(firsts))
print("web visit-bytes", statistics.median(visits))

b = w.Browser()
lids = []
for k in range(slides):
    b.js("window.clicked_ = null; document.addEventListener('click', (e) => { clicked_ = e.timeStamp; }, true);"
         "const lid = document.getElementById('couvercle'); window.open_ = null;"
         "const channel = new MessageChannel(); channel.port1.onmessage = (e) => {"
         " if (new DOMMatrix(getComputedStyle(lid).transform).m41 === lid.offsetWidth) open_ = open_ ?? e.data;"
         " else requestAnimationFrame((t) => channel.port2.postMessage(t)); };"
         "requestAnimationFrame((t) => channel.port2.postMessage(t));")
    b.click(315, 362)  # Ouvrir
    lids.append(b.js("return open_ - clicked_"))
    b.click(785, 362)  # Fermer
print("web lid-slide-ms", statistics.median(lids))

# The desktop benchmark's game: one stick a turn, the leftmost, till the computer wins;
# then the computer is asked to start, and the longest handler runs.
b.click(315, 402)  # Jouer
while b.js("return document.querySelector('#resultat span').textContent") == "A vous de jouer...":
    b.click(b.sticks()[b.in_play()[0]][0] + 12, 160)
    b.click(542, 404)  # Validez votre coup
b.click(190, 401)  # Ordinateur
b.js("window.ended_ = null; new MutationObserver(() => { if (document.getElementById('window')"
     ".getAttribute('aria-busy') === 'false') ended_ = ended_ ?? performance.now(); })"
     ".observe(document.getElementById('window'), {attributeFilter: ['aria-busy']});")
driver = b.d.service.process.pid
before, t0 = ticks(driver), time.monotonic()
b.click(315, 402)  # Jouer
after, t1 = ticks(driver), time.monotonic()
length = b.js("return ended_ - clicked_")
print("web longest-handler-ms", length)
# Ticks a second are hundredths of a second of CPU a second: percent of one core.
print("web cpu-longest-handler", *((a - z) / (t1 - t0) for a, z in zip(after, before)))

# The floor: the same browser moving one lid-sized box a pixel each frame, and nothing else.
b.d.get("data:text/html,<div id=d style='width:857px;height:286px;background:%23844;"
        "will-change:transform'></div><script>let x = 0; (function f() {"
        " d.style.transform = `translateX(${x = (x + 1) % 857}px)`; requestAnimationFrame(f); })()</script>")
time.sleep(0.5)
before, t0 = ticks(driver), time.monotonic()
time.sleep(3)
after, t1 = ticks(driver), time.monotonic()
print("web cpu-floor", *((a - z) / (t1 - t0) for a, z in zip(after, before)))
b.close()
server.shutdown()
