# make run   builds the program and starts it
# make test  builds everything and runs every test headless
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test sanitize fuzz package bench clean format

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Only the program and its help: the test programs are built by make test.
run: configure
	@cmake --build $(BUILD) -j$(JOBS) --target tremora tremora_help
	./$(BUILD)/tremora

# Twice: in the C locale and in the locale of an Italian desktop, whose decimal comma the C
# library adopts; every number must come out the same in both.
test: build
	cd $(BUILD) && LANG=C LC_ALL=C QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	cd $(BUILD) && LANG=it_IT.UTF-8 LC_ALL=it_IT.UTF-8 QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -j$(JOBS)

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/).
sanitize: deps
	@./scripts/sanitize.sh

# The libFuzzer targets of tests/fuzz/, a minute each (FUZZ_SECONDS=n to change); needs clang.
fuzz: deps
	@./scripts/fuzz.sh

# The Debian package (build/tremora_VERSION_ARCH.deb), checked by scripts/check-package.sh.
package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null && ls tremora_*.deb

bench: build
	./bench/run.sh $(BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) build-asan build-fuzz
