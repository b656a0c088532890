# Ostrevan: `make run` starts the program, `make test` runs every test. Both install what a
# fresh Debian 12 machine lacks first (apt-get, needs root).
JOBS    ?= $(shell nproc)
NATIVE   := build/native
NATIVE32 := build/native32
CROSS    := build/win
CROSS32  := build/win32
CMAKE    := cmake

.PHONY: mutants all deps native native32 cross cross32 test test-native test-native32 test-cross test-cross32 test-cross64 run screenshots bench fuzz fuzz-ci dist clean bios bios-demo bios-demo-sound

all: native

deps:
	@scripts/install-deps.sh

native: deps
	$(CMAKE) -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREVAN_SANITIZE=ON >/dev/null
	$(CMAKE) --build $(NATIVE) -j $(JOBS)

# The core's tests again as 32-bit code (4-byte sizes and pointers, as in the shipped program),
# run through qemu-i386-static, without sanitizers. To keep CI short only the core's suites run
# so: the file and program readers, records, matching and the scan (not the windows' suites).
CORE32 := platform kb match scan
native32: deps
	$(CMAKE) -S . -B $(NATIVE32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/linux-i386.cmake >/dev/null
	$(CMAKE) --build $(NATIVE32) -j $(JOBS) --target $(addprefix ostrevan_,$(addsuffix _tests,$(CORE32)))

# build/win: the same sources for 64-bit Windows, whose tests run under 64-bit Wine.
cross: deps
	$(CMAKE) -S . -B $(CROSS) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	$(CMAKE) --build $(CROSS) -j $(JOBS)

# build/win32: the shipped 32-bit programs, and the Windows-side tests compiled for them; with
# WINE32=ON the tests are registered to run under 32-bit Wine.
WINE32 ?= OFF
cross32: deps
	$(CMAKE) -S . -B $(CROSS32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
	  -DOSTREVAN_WINE32=$(WINE32) >/dev/null
	$(CMAKE) --build $(CROSS32) -j $(JOBS)

test-native: native
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

test-native32: native32
	cd $(NATIVE32) && ctest --output-on-failure -j $(JOBS) -R '^($(subst $() ,|,$(CORE32)))$$'

# The Windows-side tests under Wine, then the end-to-end checks again with Wine playing Windows
# 98, 2000 and XP; the 32-bit programs' import table. Where this machine runs 32-bit code and
# 32-bit Wine is installed, all of it runs the shipped i686 build; elsewhere the x86_64 build of
# the same sources, and the i686 build is only compiled.
test-cross: deps
	@if why=$$(scripts/runs-32bit.sh) && dpkg-query -W -f='$${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then \
	  $(MAKE) --no-print-directory test-cross32; \
	else \
	  echo "test-cross: the 32-bit run was skipped: $${why:-32-bit Wine (wine32:i386) is not installed}; running the x86_64 build"; \
	  $(MAKE) --no-print-directory test-cross64; \
	fi

test-cross32:
	$(MAKE) --no-print-directory cross32 WINE32=ON
	cd $(CROSS32) && ctest --output-on-failure
	tests/wine/version-modes.sh $(CROSS32)

test-cross64: cross cross32
	cd $(CROSS) && ctest --output-on-failure
	tests/wine/version-modes.sh $(CROSS)
	cd $(CROSS32) && ctest --output-on-failure

test: test-native test-native32 test-cross fuzz-ci

run: cross
	scripts/run-ostrevan.sh $(CROSS)

# docs/screenshots/: every page of the wizard, taken under Wine on a virtual screen.
screenshots: cross
	scripts/screenshots.sh $(CROSS) docs/screenshots
	OSTREVAN_SHOTS_WINVER=win98 scripts/screenshots.sh $(CROSS) docs/screenshots/win98

bench: deps
	$(CMAKE) -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DOSTREVAN_BENCHMARKS=ON -DOSTREVAN_TESTS=OFF >/dev/null
	$(CMAKE) --build build/bench -j $(JOBS)
	@for b in build/bench/bench/ostrevan_*_bench; do [ -x $$b ] && $$b; done; true
	python3 bench/scan_floor.py --build build/bench $$([ -f $(CROSS)/bench/win32/ostrevan-wizard-scan.exe ] && \
	  [ -f $(CROSS)/tools/ostrevan-scan/ostrevan-scan.exe ] && command -v wine >/dev/null && echo --wine $(CROSS))
	@l=$(CROSS32)/bench/win32/ostrevan-listing-open.exe; \
	  scripts/runs-32bit.sh >/dev/null 2>&1 || l=$(CROSS)/bench/win32/ostrevan-listing-open.exe; \
	  if [ -f $$l ] && command -v wine >/dev/null; then \
	  WINEPREFIX=$${WINEPREFIX:-$(CURDIR)/build/wineprefix} WINEDEBUG=-all wine $$l 20000; fi
	python3 bench/image_scan.py --build build/bench

# dist/Ostrevan/: the 32-bit Windows programs (they run on 64-bit Windows too) with the knowledge
# base and the help topics beside them, ready to copy to a PC, and dist/Ostrevan.zip of that
# folder. Run `make cross32` first; 2000.exe ships when it has been built.
DIST := dist/Ostrevan
dist:
	@exe=$$(find $(CROSS32) -path '*/tests/*' -prune -o -type f -name Ostrevan.exe -print 2>/dev/null | head -n 1); \
	scan=$$(find $(CROSS32) -path '*/tests/*' -prune -o -type f -name ostrevan-scan.exe -print 2>/dev/null | head -n 1); \
	if [ -z "$$exe" ] || [ -z "$$scan" ]; then \
	  echo "make dist: Ostrevan.exe and ostrevan-scan.exe not found in $(CROSS32); run 'make cross32' first" >&2; exit 1; fi; \
	python3 data/build_kb.py --check && python3 data/build_help.py --check || exit 1; \
	rm -rf $(DIST) dist/Ostrevan.zip && mkdir -p $(DIST) && \
	cp "$$exe" $(DIST)/Ostrevan.exe && cp "$$scan" $(DIST)/ostrevan-scan.exe && \
	i686-w64-mingw32-strip $(DIST)/Ostrevan.exe $(DIST)/ostrevan-scan.exe && \
	cp data/Vendors.y2k data/APPS.y2k data/HelpINTR.rtf data/HelpMODE.rtf data/HelpDISK.rtf \
	   data/HelpSCAN.rtf data/HelpREP.rtf data/HelpBIOS.rtf data/HelpTS.rtf $(DIST)/ && \
	bios=$$(find build -type f -name 2000.exe 2>/dev/null | head -n 1); \
	if [ -n "$$bios" ]; then cp "$$bios" $(DIST)/2000.exe; \
	else echo "make dist: no 2000.exe built; the BIOS page will report that it cannot copy it"; fi; \
	(cd dist && zip -qr Ostrevan.zip Ostrevan) && echo "make dist: $(DIST)/ and dist/Ostrevan.zip"

# The reader of program files under libFuzzer (clang-14, ASan, UBSan), seeded with the fixture
# programs of the native build and the crafted files of fuzz/seeds/ (fuzz/make_seeds.py); then
# the readers of the data files (fuzz/data_fuzz.cpp, seeds in fuzz/data-seeds/), as long again.
# `make fuzz` runs FUZZ_SECONDS (default 300); the test target runs it for 60 s. Every input
# has a budget: 10 s (-timeout), 512 MB resident (-rss_limit_mb) and no single allocation
# above 64 MB (-malloc_limit_mb); the reader's own caps keep a sound run far below them, and
# an input that claims gigabytes or makes millions of look-ups fails the run. Without clang-14
# it is skipped with a note.
FUZZ_SECONDS ?= 300
FUZZ_DIR     := build/fuzz
FUZZ_SRCS    := $(addprefix src/platform/,byte_reader.cpp codepage.cpp codepage_1252_table.cpp \
                  program_file.cpp version_block.cpp version_api_portable.cpp version_api_posix.cpp \
                  icon_reader.cpp png_decoder.cpp inflate.cpp icon_extract_posix.cpp ansi_path_posix.cpp \
                  folder_anchor.cpp file_system.cpp dir_listing.cpp dir_listing_posix.cpp file_access_posix.cpp \
                  stored_name.cpp) \
                src/scan/ModVersion.cpp fuzz/reader_fuzz.cpp
# The readers of result files, knowledge base, BOOT.INI and MSDOS.SYS (fuzz/data_fuzz.cpp).
DATA_FUZZ_SRCS := $(filter-out %win32.cpp %icon_extract_posix.cpp %program_files.cpp %program_files_posix.cpp, \
                    $(wildcard src/platform/*.cpp)) \
                  $(addprefix src/kb/,data_lines.cpp file_collection.cpp product_collection.cpp vendor_collection.cpp) \
                  src/match/run_state.cpp src/match/compliance.cpp src/rules/string_matcher.cpp \
                  src/scan/drive_windows.cpp src/scan/ModVersion.cpp fuzz/data_fuzz.cpp

fuzz:
	@if ! command -v clang++-14 >/dev/null 2>&1; then echo "fuzz: clang++-14 not found, fuzzing skipped"; exit 0; fi; \
	set -e; mkdir -p $(FUZZ_DIR)/corpus; \
	clang++-14 -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	  -Isrc $(FUZZ_SRCS) -o $(FUZZ_DIR)/reader_fuzz; \
	cp -n $(NATIVE)/tests/fixtures/*.exe $(FUZZ_DIR)/corpus/ 2>/dev/null || true; \
	cp -n fuzz/seeds/* $(FUZZ_DIR)/corpus/ 2>/dev/null || true; \
	$(FUZZ_DIR)/reader_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=512 -malloc_limit_mb=64 \
	  -max_len=65536 -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/corpus; \
	clang++-14 -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
	  -Isrc $(DATA_FUZZ_SRCS) -o $(FUZZ_DIR)/data_fuzz; \
	mkdir -p $(FUZZ_DIR)/data-corpus; cp -n fuzz/data-seeds/* $(FUZZ_DIR)/data-corpus/ 2>/dev/null || true; \
	$(FUZZ_DIR)/data_fuzz -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=512 -malloc_limit_mb=64 \
	  -max_len=65536 -print_final_stats=1 -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/data-corpus

fuzz-ci: test-native
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=60

# The year-2000 clock test: 2000.exe (beside Ostrevan.exe in the build folder) and its
# bootable floppy image. `make bios-demo` boots the image under qemu and shows the report;
# BIOS_DATE=1999-12-31T23:59:50 starts the emulated clock at another date.
# `make bios-demo-sound` does the same with a sound BIOS date service put in front of
# qemu's (see bios/README.md).
QEMU      ?= qemu-system-i386
BIOS_DATE ?= utc
BIOS_QEMU  = $(QEMU) -display none -serial stdio -monitor none -net none -boot a \
             -rtc base=$(BIOS_DATE),clock=vm -device isa-debug-exit

bios: deps
	$(CMAKE) -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOSTREVAN_SANITIZE=ON >/dev/null
	$(CMAKE) --build $(NATIVE) --target bios

bios-demo: bios
	@$(BIOS_QEMU) -drive file=$(NATIVE)/bios/2000-floppy.img,format=raw,if=floppy,readonly=on; \
	  echo "(qemu ended with status $$?: twice the exit code, plus one)"

bios-demo-sound: bios
	nasm -f bin -Ibios/ -Itests/bios/ -DFIXTURE='"faulty_pc.inc"' \
	  -o $(NATIVE)/bios/2000-floppy-sound-bios.img bios/floppy.asm
	@$(BIOS_QEMU) -drive file=$(NATIVE)/bios/2000-floppy-sound-bios.img,format=raw,if=floppy,readonly=on; \
	  echo "(qemu ended with status $$?: twice the exit code, plus one)"

clean:
	rm -rf build dist

# Plants one small fault at a time in src/ and counts those the native tests catch (the shared
# tool ../shared/tools/mutants.py; not part of `make test`). `make mutants SEED=2 COUNT=60`. Its
# own build folder, unoptimised, rebuilds after each fault in seconds; the sanitizers are on, as
# in the native tests, so that a fault that reads or writes outside a buffer is caught too.
SHARED  ?= ../shared
SEED    ?= 1
COUNT   ?= 40
MUTANTS := build/mutants
mutants: deps
	$(CMAKE) -S . -B $(MUTANTS) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DOSTREVAN_SANITIZE=ON >/dev/null
	$(CMAKE) --build $(MUTANTS) -j $(JOBS)
	python3 $(SHARED)/tools/mutants.py --build $(MUTANTS) --seed $(SEED) --count $(COUNT) --paths src \
	  --ctest-args "-E '^(bios|corpus|hostile)'"
