# Quorvantile: the screen saver for 32-bit Windows, its native unit tests and its tests under Wine.
#   make run    install what is missing, build, and start the saver on the bundled sample pictures
#   make test   install what is missing, build, and run every test
#   make scr    build build/win32/Quorvantile.scr
#   make bench  run the benchmarks
#   make soak   show a folder of bad and good pictures for 600 pictures under Wine
#   make fuzz   fuzz the reading of the settings file
#   make demo   record the README's animation of the reveal (docs/reveal.gif)
#   make format lay the C++ sources out as .clang-format says
SHELL := /bin/bash
JOBS ?= 2
HOST := build/host
WIN := build/win32
SCR := $(WIN)/Quorvantile.scr

.PHONY: all deps scr win-tests host test bench soak fuzz demo run format clean

all: scr host

deps:
	@bash tools/install-deps.sh

$(WIN)/Makefile: CMakeLists.txt cmake/win32.cmake cmake/mingw-i686.cmake
	cmake -S . -B $(WIN) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null

$(HOST)/Makefile: CMakeLists.txt cmake/host.cmake
	cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Release >/dev/null

scr: $(WIN)/Makefile
	cmake --build $(WIN) --target Quorvantile -j$(JOBS)

win-tests: $(WIN)/Makefile
	cmake --build $(WIN) -j$(JOBS)

host: $(HOST)/Makefile
	cmake --build $(HOST) -j$(JOBS)

test: deps
	@$(MAKE) --no-print-directory win-tests host
	cd $(HOST) && ctest --output-on-failure

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

run: deps scr
	bash tools/run-saver.sh

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h' '*.cc')

clean:
	rm -rf $(HOST) $(WIN)
