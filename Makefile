# Quorvantile: the screen saver for 32-bit Windows, its native unit tests and its tests under Wine.
#   make run    install what is missing, build, and start the saver on the bundled sample pictures
#   make test   install what is missing, build, and run every test
#   make scr    build build/win32/Quorvantile.scr
#   make bench  run the benchmarks
#   make soak   show a folder of bad and good pictures for 600 pictures under Wine
#   make fuzz   fuzz the reading of the settings file
#   make demo   record the README's animation of the reveal (docs/reveal.gif)
#   make format lay the C++ sources out as .clang-format says
# Under Wine runs the real 32-bit build where the machine executes 32-bit code, else the x86-64 build of the
# same sources (tools/wine-build.sh); WINE_BUILD=32 or WINE_BUILD=64 forces either.
SHELL := /bin/bash
JOBS ?= 2
WINE_BUILD ?=
export WINE_BUILD
HOST := build/host
WIN := build/win32
SCR := $(WIN)/Quorvantile.scr
WINE_BITS := $(shell WINE_BUILD=$(WINE_BUILD) bash tools/wine-build.sh bits)
WINE_WIN = build/win$(WINE_BITS)

.PHONY: all deps scr win-tests host test bench soak fuzz demo run format clean

all: scr host

deps:
	@bash tools/install-deps.sh

build/win%/Makefile: CMakeLists.txt cmake/win32.cmake cmake/mingw.cmake cmake/mingw-i686.cmake cmake/mingw-x86_64.cmake
	cmake -S . -B build/win$* -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$(if $(filter 64,$*),x86_64,i686).cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null

$(HOST)/Makefile: CMakeLists.txt cmake/host.cmake
	cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Release >/dev/null

scr: $(WIN)/Makefile
	cmake --build $(WIN) --target Quorvantile -j$(JOBS)

# The real .scr, which the static checks read, and everything of the build that runs under Wine here.
win-tests: scr $(WINE_WIN)/Makefile
	cmake --build $(WINE_WIN) -j$(JOBS)

host: $(HOST)/Makefile
	cmake --build $(HOST) -j$(JOBS)

test: deps
	@$(MAKE) --no-print-directory win-tests host
	bash tools/test.sh

bench: deps
	@$(MAKE) --no-print-directory win-tests host
	bash tools/bench.sh

soak: deps
	@$(MAKE) --no-print-directory win-tests
	bash tools/soak.sh

fuzz: deps
	bash tools/fuzz.sh

demo: deps
	@$(MAKE) --no-print-directory win-tests
	bash tools/make-demo.sh

run: deps
	@$(MAKE) --no-print-directory scr $(WINE_WIN)/Makefile
	cmake --build $(WINE_WIN) --target Quorvantile -j$(JOBS)
	bash tools/run-saver.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h' '*.cc')

clean:
	rm -rf $(HOST) build/win32 build/win64
