# Ostrevan: `make run` starts the program, `make test` runs every test. Both install what a
# fresh Debian 12 machine lacks first (apt-get, needs root).
JOBS    ?= $(shell nproc)
NATIVE  := build/native
CROSS   := build/win
CMAKE   := cmake

.PHONY: all deps native cross test test-native test-cross run bench fuzz dist clean

all: native

deps:
	@scripts/install-deps.sh

native: deps
	$(CMAKE) -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREVAN_SANITIZE=ON >/dev/null
	$(CMAKE) --build $(NATIVE) -j $(JOBS)

cross: deps
	$(CMAKE) -S . -B $(CROSS) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	$(CMAKE) --build $(CROSS) -j $(JOBS)

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

test-cross: cross
	cd $(CROSS) && ctest --output-on-failure

test: test-native test-cross

run: cross
	scripts/run-ostrevan.sh $(CROSS)

bench: deps
	$(CMAKE) -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DOSTREVAN_BENCHMARKS=ON -DOSTREVAN_TESTS=OFF >/dev/null
	$(CMAKE) --build build/bench -j $(JOBS)
	@for b in build/bench/bench/ostrevan_*_bench; do [ -x $$b ] && $$b; done; true

clean:
	rm -rf build dist
