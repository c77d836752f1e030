# Every target sets the machine up first, so each works on a fresh Debian.
JOBS ?= 2
RELEASE_DIR := build
TEST_DIR := build-test
DEB_DIR := build-deb
# Each of the five fuzz targets, at the end of `make test`.
TEST_FUZZ_SECONDS ?= 7

.PHONY: all setup build run test bench fuzz install deb clean

all: build

setup:
	@scripts/setup.sh

build: setup
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DVINULA_TESTS=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build
	./$(RELEASE_DIR)/bin/vinula-editor

test: setup
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVINULA_SANITIZE=ON -DVINULA_TESTS=ON
	cmake --build $(TEST_DIR) -j $(JOBS)
	ctest --test-dir $(TEST_DIR) --output-on-failure -j $(JOBS)
	FUZZ_SECONDS=$(TEST_FUZZ_SECONDS) scripts/fuzz.sh

clean:
	rm -rf $(RELEASE_DIR) $(TEST_DIR) $(DEB_DIR)

PREFIX ?= /usr/local
install: build
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# The Debian package, from a release build of its own in $(DEB_DIR).
deb: setup
	JOBS=$(JOBS) scripts/deb.sh $(DEB_DIR)

bench: setup
	bench/run_bench.sh

# Fuzzes every reader of other people's input, FUZZ_SECONDS each (default
# 60); FUZZ_TARGETS picks some of them.
fuzz: setup
	scripts/fuzz.sh
