# One-command entry points: every target installs what is missing, configures and builds first.
BUILD ?= build
CMAKE_ARGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test build deps clean

run: build
	./$(BUILD)/vellumo

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)
	cmake --build $(BUILD) -j$(JOBS)

deps:
	./scripts/install-deps

clean:
	rm -rf $(BUILD)
