# Skrivora: `make run` builds and starts the editor, `make test` builds and runs every test,
# `make bench` runs the benchmarks. Missing Debian packages are installed first when run as root.

BUILD_TYPE ?= RelWithDebInfo
SANITIZE ?= 0
FILES ?=
JOBS ?= $(shell nproc)

ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-sanitize
CMAKE_FLAGS = -DSKRIVORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD_DIR ?= build
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
endif

PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
	libhunspell-dev hunspell-da fonts-liberation fonts-crosextra-carlito

.PHONY: all deps build run test bench clean

all: build

deps:
	@./scripts/install-packages $(PACKAGES)

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/skrivora $(FILES)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	@for program in $(BUILD_DIR)/bench-*; do echo "== $$program"; QT_QPA_PLATFORM=offscreen $$program || exit 1; done

clean:
	rm -rf build build-sanitize
