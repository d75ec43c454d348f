# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands of the README: `make run` builds and starts the game, `make test`
# builds and runs every test. Both install the Debian packages they need first.
JOBS ?= $(shell nproc)

.PHONY: run build web test test-release test-web test-sanitized bench package clean

run: build
	./build/batonnets

build:
	scripts/install-deps.sh run
	cmake --preset release -DBATONNETS_TESTS=OFF
	cmake --build --preset release -j $(JOBS) --target batonnets

# The page, in build/web/: serve that folder with any static server.
web:
	scripts/install-deps.sh web
	cmake --preset web -DBATONNETS_TESTS=OFF
	cmake --build --preset web -j $(JOBS)

# Every test on the release build (warnings are errors), the page's, then the core and
# window tests again built with the address and undefined-behaviour sanitizers.
test: test-release test-web test-sanitized

test-release:
	scripts/install-deps.sh test
	cmake --preset release -DBATONNETS_WERROR=ON -DBATONNETS_TESTS=ON
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)

# The core's tests compiled with Emscripten under node, and the page in headless Chromium.
test-web:
	scripts/install-deps.sh test
	cmake --preset web -DBATONNETS_WERROR=ON -DBATONNETS_TESTS=ON
	cmake --build --preset web -j $(JOBS)
	ctest --preset web

test-sanitized:
	scripts/install-deps.sh test
	cmake --preset debug -DBATONNETS_WERROR=ON -DBATONNETS_TESTS=ON
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS) -L 'core|window'

bench:
	scripts/install-deps.sh test
	cmake --preset release -DBATONNETS_TESTS=OFF
	cmake --build --preset release -j $(JOBS)
	cmake --preset web -DBATONNETS_TESTS=OFF
	cmake --build --preset web -j $(JOBS)
	bench/run.sh build

# The Debian package from debian/, built on a copy of the sources: build/batonnets_*.deb.
package:
	scripts/install-deps.sh package
	JOBS=$(JOBS) scripts/build-deb.sh build

clean:
	rm -rf build build-debug
