# Nimbrel: every target installs what is missing first, then builds with CMake and Ninja.
BUILD    ?= build/release
SANITIZE ?= build/sanitize
FUZZ     ?= build/fuzz
# How long `make fuzz` runs each fuzz target, in seconds.
FUZZ_SECONDS ?= 60
JOBS     ?= $(shell nproc)
# Warnings are errors in every build made through make, as in CI; WERROR=OFF to look around.
WERROR   ?= ON
PREFIX   ?= /usr/local

.PHONY: all deps configure build install run test test-sanitize bench gallery format format-check clean fuzz

all: build

deps:
	@./scripts/install-deps.sh

# Configured every time (a second when nothing changed), so that WERROR reaches a build
# folder configured before.
configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DNIMBREL_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The programs, the desktop entry, the icons and the man pages under $(PREFIX)
# (DESTDIR is honoured for packaging).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

run: build
	$(BUILD)/nimbrel

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(SANITIZE)/build.ninja: | deps
	cmake -S . -B $(SANITIZE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNIMBREL_SANITIZE=ON \
	    -DNIMBREL_WERROR=ON -DNIMBREL_BENCH=OFF

test-sanitize: deps $(SANITIZE)/build.ninja
	cmake --build $(SANITIZE) -j $(JOBS)
	cd $(SANITIZE) && ctest --output-on-failure -j $(JOBS)

# The fuzz targets need clang and its libFuzzer, installed only for this target.
fuzz:
	@./scripts/install-deps.sh fuzz
	CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DNIMBREL_FUZZ=ON -DNIMBREL_BENCH=OFF
	cmake --build $(FUZZ) -j $(JOBS) --target FuzzTraceReader FuzzSettingsString
	./scripts/run-fuzz.sh $(FUZZ) $(FUZZ_SECONDS)

bench: build
	./scripts/run-bench.sh $(BUILD)

gallery: build
	./scripts/render-gallery.sh $(BUILD)/nimbrel-render docs

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Fails, naming the files, when a tracked source is not as clang-format would write it.
format-check: deps
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
