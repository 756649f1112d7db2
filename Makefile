# Skrivora: `make run` builds and starts the editor, `make test` builds and runs every test,
# `make bench` runs the benchmarks, `make fuzz` fuzzes the RTF, settings-file and list-file readers for
# FUZZ_SECONDS each (clang, in build-fuzz), `make format` applies the checked-in .clang-format and
# `make format-check` fails on a file that differs from it, `make interop` checks our RTF against another
# word processor (installs LibreOffice Writer; not part of `make test`), `make print-check` prints through a
# CUPS queue of its PDF printer (installs CUPS; not part of `make test`). `make install [PREFIX=DIR]`
# installs the program, `make package` builds the Debian package and `make package-check` builds it and
# checks it with lintian, desktop-file-validate and appstreamcli. Missing Debian packages are installed
# first when run as root.

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

# dbus-daemon: the notification tests run a message bus of their own; poppler-utils: the printing tests
# read the PDF files they print.
PACKAGES = cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
	libhunspell-dev hunspell-da fonts-liberation fonts-crosextra-carlito qt6-svg-dev libqt6svg6 qt6-l10n-tools \
	dbus-daemon poppler-utils
# dpkg-shlibdeps works out the package's dependencies.
PACKAGE_TOOLS = dpkg-dev file
PREFIX ?= /usr/local

# Peers the benchmarks time themselves against; the X server and window tool of the end-to-end bench.
BENCH_PACKAGES = ripgrep fd-find time xvfb xdotool

FORMAT_PACKAGES = clang-format
FORMATTED = $(shell find src tests tools bench fuzz faults -name '*.cpp' -o -name '*.h')

FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 600
FUZZ_TARGETS ?= rtf-reader settings-file list-file
FUZZ_PACKAGES = clang libclang-rt-14-dev

INTEROP_PACKAGES = libreoffice-writer python3

PRINT_CHECK_PACKAGES = cups cups-client printer-driver-cups-pdf

.PHONY: all deps build run test bench fuzz format format-check interop print-check install package package-check clean

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
	@./scripts/install-packages $(BENCH_PACKAGES)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	@for program in $(BUILD_DIR)/bench-*; do [ -f "$$program" ] && [ -x "$$program" ] || continue; \
		echo "== $$program"; QT_QPA_PLATFORM=offscreen $$program || exit 1; done

# Builds only what is installed (no tests, no benchmarks); DESTDIR is honoured for staged installs.
install: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target installable
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: deps $(BUILD_DIR)/CMakeCache.txt
	@./scripts/install-packages $(PACKAGE_TOOLS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target installable
	cd $(BUILD_DIR) && cpack -G DEB

package-check: deps $(BUILD_DIR)/CMakeCache.txt
	./scripts/check-package $(BUILD_DIR)

# Findings (crashes, hangs, round-trip differences) land in $(FUZZ_DIR)/findings/<target>; each run stops
# at its first.
fuzz: deps
	@./scripts/install-packages $(FUZZ_PACKAGES)
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DSKRIVORA_FUZZ=ON -DSKRIVORA_SANITIZE=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target $(addprefix fuzz-,$(FUZZ_TARGETS))
	@for target in $(FUZZ_TARGETS); do ./scripts/run-fuzzer $(FUZZ_DIR) $$target $(FUZZ_SECONDS) || exit 1; done

format:
	@./scripts/install-packages $(FORMAT_PACKAGES)
	clang-format -i $(FORMATTED)

format-check:
	@./scripts/install-packages $(FORMAT_PACKAGES)
	clang-format --dry-run --Werror $(FORMATTED)

# Two copies printed through a CUPS queue of its PDF printer; see scripts/cups-print-check.
print-check: deps $(BUILD_DIR)/CMakeCache.txt
	@./scripts/install-packages $(PRINT_CHECK_PACKAGES)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tst_CupsPrinting
	./scripts/cups-print-check $(BUILD_DIR)

# Our lists, table and picture fixtures through LibreOffice and back; see scripts/interop-check.
interop: deps $(BUILD_DIR)/CMakeCache.txt
	@./scripts/install-packages $(INTEROP_PACKAGES)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target skrivora-rtf
	./scripts/interop-check $(BUILD_DIR)/skrivora-rtf tests/data/rtf

clean:
	rm -rf build build-sanitize $(FUZZ_DIR)
