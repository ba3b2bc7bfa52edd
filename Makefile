# One-command entry points: every target installs what is missing, configures and builds first.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)
# Rebuilds after a branch switch or in a second checkout reuse earlier compiles.
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# `make install` puts the programs under $(DESTDIR)$(PREFIX); `make uninstall` takes them away.
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: run test build deps clean coverage package install uninstall

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
	@# Tests that run the program as another user (the Wayland desktop's) write their counts too.
	chmod -R a+rwX build-coverage
	@# The summary is printed also when a test fails; the target fails after it.
	status=0; (cd build-coverage && umask 0 && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)) || status=$$?; \
	gcovr --root . --object-directory build-coverage --exclude 'tests/' --exclude 'bench/' \
		--exclude 'build.*/' --exclude-throw-branches --exclude-unreachable-branches \
		--print-summary --txt build-coverage/coverage.txt || exit $$?; \
	if [ $$status -ne 0 ]; then echo "make coverage: some tests failed (above); the figures count the tests that ran"; fi; \
	exit $$status

# The Debian package (build/vellumo_<version>_<arch>.deb); scripts/check-package checks it.
package: build
	cd $(BUILD) && cpack -G DEB

# The manual pages are made for the prefix while they are installed (cmake/InstallManualPages.cmake).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# Removes exactly what `make install` with the same PREFIX and DESTDIR put there: the list comes
# from an install into a scratch folder. Settings and albums are the user's and stay (README).
uninstall: build
	rm -rf $(BUILD)/uninstall-list
	DESTDIR="$(CURDIR)/$(BUILD)/uninstall-list" cmake --install $(BUILD) --prefix "$(PREFIX)" >/dev/null
	cd $(BUILD)/uninstall-list && find . ! -type d | sed 's|^\.||' | while read -r file; do \
		rm -fv "$(DESTDIR)$$file"; done
	-rmdir "$(DESTDIR)$(PREFIX)/share/doc/vellumo"
	rm -rf $(BUILD)/uninstall-list

deps:
	./scripts/install-deps

clean:
	rm -rf $(BUILD)
