# The two commands of the README: `make run` and `make test`.
BUILD ?= build
SAN ?= build-san
FUZZ_SEGUNDOS ?= 20
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CENA ?= exemplos/BRU050301143000.dat
PREFIX ?= /usr/local

.PHONY: all deps build run test test-normal test-san bench lint install package clean

all: build

deps:
	@bash scripts/instala-dependencias.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/vorlane $(CENA)

# The whole suite: the normal build, then the sanitizer build (clang, ASan +
# UBSan) with its unit, GL and end-to-end tests and the fuzzers.
test: test-normal test-san

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(SAN)/CMakeCache.txt:
	CXX=clang++ cmake -S . -B $(SAN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVORLANE_SANITIZADORES=ON -DVORLANE_FUZZ=ON -DFUZZ_SEGUNDOS=$(FUZZ_SEGUNDOS)

test-san: deps $(SAN)/CMakeCache.txt
	cmake --build $(SAN) -j $(JOBS)
	cd $(SAN) && ctest --output-on-failure -j $(JOBS) -L 'unit|gl|san'
	# The fuzzers after the X tests: under sanitizers they load every CPU, and
	# a starved X server made window start-up checks time out.
	cd $(SAN) && ctest --output-on-failure -j $(JOBS) -L fuzz

# Timings against the straightforward drawer; under a private Xvfb when
# there is no display.
bench: build
	@if [ -n "$$DISPLAY" ]; then ./$(BUILD)/vorlane_bench ./$(BUILD)/gerador; else \
	  bash scripts/xvfb.sh inicia $(BUILD)/xvfb-bench >/dev/null && \
	  bash scripts/xvfb.sh executa $(BUILD)/xvfb-bench ./$(BUILD)/vorlane_bench ./$(BUILD)/gerador; \
	  st=$$?; bash scripts/xvfb.sh termina $(BUILD)/xvfb-bench; exit $$st; fi

# clang-tidy over the program's sources, with the checks of .clang-tidy (any
# finding fails), from the normal build's compile database; and no include
# by a relative path, which could reach a library the include folders hide.
LINT_FONTES = $(shell find src tools bench -name '*.cpp' | sort)
lint: build
	@! grep -rnE '#include "[^"]*\.\./' src tools bench tests || \
	  { echo "inclusao por caminho relativo (use as pastas de inclusao do alvo)"; exit 1; }
	@echo "clang-tidy: $(words $(LINT_FONTES)) arquivos"
	@printf '%s\n' $(LINT_FONTES) | xargs -P $(JOBS) -n 4 clang-tidy -p $(BUILD) --quiet 2>/dev/null

# The viewer, its manual page, desktop entry and icon under $(PREFIX)
# (DESTDIR, when set, is put in front, for staging).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package of the same files (installed under /usr): build/vorlane_*.deb.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) $(SAN)
