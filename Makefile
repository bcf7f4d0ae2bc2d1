# Two CMake trees: build/native (host compiler, sanitizers) and build/win
# (MinGW cross build, tests under Wine in Xvfb). `make test` is what CI runs.
NATIVE := build/native
WIN    := build/win
BENCH  := build/bench
JOBS   ?= 2
CTEST_FLAGS := --output-on-failure -j $(JOBS)

.PHONY: all deps native win test test-native test-win bench run dist program clean lint format-check

all: native win

deps:
	@./tools/install-deps.sh

$(NATIVE)/CMakeCache.txt: | deps
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug -DPELL_SANITIZE=ON

$(WIN)/CMakeCache.txt: | deps
	cmake -S . -B $(WIN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

win: $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS)

test-native: native
	cd $(NATIVE) && ctest $(CTEST_FLAGS)

test-win: win
	./tools/run-windows-tests.sh $(WIN) $(CTEST_FLAGS)

# Every C++ source of the project against .clang-format (clang-format 14).
CXX_SOURCES = $(shell git ls-files '*.cpp' '*.h')
format-check: deps
	@clang-format --dry-run -Werror $(CXX_SOURCES) && echo "format-check: every C++ source matches .clang-format"

# The format, and cppcheck on the portable core; findings are fixed, or
# suppressed with a reason in tools/cppcheck-suppressions.txt.
lint: format-check $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) --target japanese_text_header
	cppcheck --enable=warning,style,performance,portability --std=c++17 --language=c++ \
	  --inline-suppr --suppressions-list=tools/cppcheck-suppressions.txt --error-exitcode=1 --quiet \
	  -I . -I $(NATIVE)/generated data plan platform

# Both suites and the format check run even when one fails, and every failure is reported.
test: deps
	@status=0; \
	$(MAKE) --no-print-directory format-check || status=1; \
	$(MAKE) --no-print-directory test-native || status=1; \
	$(MAKE) --no-print-directory test-win || status=1; \
	if [ $$status -ne 0 ]; then echo "make test: FAILED (see the failures above)"; else echo "make test: all tests passed"; fi; \
	exit $$status

$(BENCH)/CMakeCache.txt: | deps
	cmake -S . -B $(BENCH) -DCMAKE_BUILD_TYPE=Release

bench: $(BENCH)/CMakeCache.txt win
	cmake --build $(BENCH) -j $(JOBS) --target benchmarks
	./tools/run-benchmarks.sh $(BENCH) $(WIN)
	./bench/windows/startup-requests.sh $(WIN)

# The program with its data file, plug-in and data file checker, as a user gets them.
program: $(WIN)/CMakeCache.txt
	cmake --build $(WIN) -j $(JOBS) --target PellgrovePlanner game_data vexachar vexacheck

# Starts the program from build/run; without a display, under Xvfb with a screenshot.
run: program
	./tools/run-program.sh $(WIN) build/run

# build/dist/PellgrovePlanner.zip for Windows users.
dist: program
	./tools/make-dist.sh $(WIN) build/dist

clean:
	rm -rf build
