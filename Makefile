# Nimbrel: every target installs what is missing first, then builds with CMake and Ninja.
BUILD    ?= build/release
SANITIZE ?= build/sanitize
JOBS     ?= $(shell nproc)
PREFIX   ?= /usr/local

.PHONY: all deps build install run test test-sanitize bench gallery format clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
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

bench: build
	./scripts/run-bench.sh $(BUILD)

gallery: build
	./scripts/render-gallery.sh $(BUILD)/nimbrel-render docs

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
