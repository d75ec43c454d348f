# The two commands of the README: `make run` builds and starts the game, `make test`
# builds and runs every test. Both install the Debian packages they need first.
JOBS ?= $(shell nproc)

.PHONY: run build test test-debug bench clean

run: build
	./build/batonnets

build:
	scripts/install-deps.sh run
	cmake --preset release -DBATONNETS_WERROR=OFF
	cmake --build --preset release -j $(JOBS) --target batonnets

test:
	scripts/install-deps.sh test
	cmake --preset release -DBATONNETS_WERROR=ON
	cmake --build --preset release -j $(JOBS)
	ctest --preset release -j $(JOBS)

test-debug:
	scripts/install-deps.sh test
	cmake --preset debug -DBATONNETS_WERROR=ON
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS)

clean:
	rm -rf build build-debug
