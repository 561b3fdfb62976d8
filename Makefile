# Folidex: `make run` starts the program, `make test` runs every test.
# Both first install the Debian packages the project needs, when any is missing.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# WERROR=ON makes warnings in our code errors (continuous integration sets it).
WERROR ?=

# clang and its sanitizer and libFuzzer runtimes build the fuzz targets that `make test` runs;
# pdfinfo (poppler-utils) checks the pages' paper sizes in a test.
PACKAGES := cmake ninja-build g++ pkg-config zlib1g-dev libssl-dev libqpdf-dev qpdf poppler-utils \
            googletest libgtest-dev libbenchmark-dev help2man dpkg-dev python3 desktop-file-utils \
            qt6-base-dev qt6-qpa-plugins libgl-dev fontconfig fonts-dejavu-core fonts-liberation2 fonts-noto-core \
            lintian appstream xvfb xauth dbus-daemon at-spi2-core python3-pyatspi libglib2.0-bin \
            clang libclang-rt-14-dev zsh

# Only the benchmarks need these: the peers they compare against, the tools that time them,
# and the documentation PDFs that the real-document tree is made of.
BENCH_PACKAGES := time bc python3 poppler-utils mupdf-tools libimage-exiftool-perl \
                  texlive-latex-recommended-doc texlive-humanities-doc texlive-science-doc docbook-xsl-doc-pdf

.PHONY: all deps bench-deps configure build test run bench screenshots install package clean

all: build

deps bench-deps: PACKAGE_LIST = $(if $(filter bench-deps,$@),$(BENCH_PACKAGES),$(PACKAGES))
deps bench-deps:
	@missing=$$(for p in $(PACKAGE_LIST); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" -ne 0 ]; then \
	    echo "Missing Debian packages:" $$missing >&2; \
	    echo "Run 'make deps' as root, or: sudo apt-get install" $$missing >&2; \
	    exit 1; \
	  fi; \
	  echo "Installing:" $$missing; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(if $(WERROR),-DFOLIDEX_WERROR=$(WERROR))

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps
	$(MAKE) build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: deps
	$(MAKE) build
	$(BUILD_DIR)/bin/folidex

bench: deps bench-deps
	$(MAKE) build
	bench/tree/run.sh $(BUILD_DIR)

# The README's screenshots in docs/, on a 1600 x 1000 screen at scale 1 and 2, of a first
# start on a home folder of sample files, SAMPLES, which is made afresh (anything in it is removed).
SAMPLES ?= $(BUILD_DIR)/samples
screenshots: deps
	$(MAKE) build
	for scale in 1 2; do \
	  suffix=$$([ $$scale = 1 ] || echo "-scale$$scale"); \
	  QT_SCALE_FACTOR=$$scale xvfb-run -a -s "-screen 0 1600x1000x24" \
	    $(BUILD_DIR)/bin/folidex_screenshots $(SAMPLES) docs "$$suffix" || exit 1; \
	done

install: build
	cmake --install $(BUILD_DIR)

package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)
