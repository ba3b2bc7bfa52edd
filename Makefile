# One-command entry points: every target installs what is missing, configures and builds first.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)
# Rebuilds after a branch switch or in a second checkout reuse earlier compiles.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: run test build deps clean coverage package

run: build
	./$(BUILD)/vellumo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) $(LAUNCHER) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j$(JOBS)

# Line and branch coverage of the program's code (not of tests and benchmarks) by the tests.
# No ccache here: it would record source paths relative to the checkout, which gcov cannot follow.
coverage: deps
	cmake -S . -B build-coverage -DCMAKE_BUILD_TYPE=Debug -DVELLUMO_COVERAGE=ON \
		-DVELLUMO_BENCHMARKS=OFF
	cmake --build build-coverage -j$(JOBS)
	find build-coverage -name '*.gcda' -delete
	cd build-coverage && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	gcovr --root . --object-directory build-coverage --exclude 'tests/' --exclude 'bench/' \
		--exclude 'build.*/' --exclude-throw-branches --exclude-unreachable-branches \
		--print-summary --txt build-coverage/coverage.txt

# The Debian package (build/vellumo_<version>_<arch>.deb); scripts/check-package checks it.
package: build
	cd $(BUILD) && cpack -G DEB

deps:
	./scripts/install-deps

clean:
	rm -rf $(BUILD)
