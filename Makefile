# Thin front door over scripts/install-deps.sh and CMake.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
SAMPLES    ?= samples
OUT        ?= $(CURDIR)/out

.PHONY: deps configure build run test test-asan test-tsan check-format package check-package clean

deps:
	./scripts/install-deps.sh

configure:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Converts the bundled sample help files into $(OUT).
run: deps build
	./scripts/run-samples.sh $(BUILD)/bin/pellin $(SAMPLES) $(OUT)

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600 --output-junit ctest-results.xml

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	$(MAKE) BUILD=build-asan CMAKE_ARGS="-DPELLIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" build
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) --timeout 600 -LE office

# The thread-heavy tests under ThreadSanitizer.
test-tsan: deps
	$(MAKE) BUILD=build-tsan CMAKE_ARGS="-DPELLIN_TSAN=ON -DPELLIN_WITH_OFFICE=OFF -DPELLIN_WITH_UI=OFF -DCMAKE_BUILD_TYPE=Debug" build
	cd build-tsan && ctest --output-on-failure -j $(JOBS) --timeout 600 --no-tests=error -L threads

# The Debian package, from the normal (optimised, sanitizer-free) build: the
# user guide converted to PDF by the freshly built program, the desktop entry,
# metainfo and manual page checked, then CPack.
package: deps build
	@test -f $(BUILD)/CPackConfig.cmake || { echo "make package: $(BUILD) is no build a package is made of (see cmake/PellinPackage.cmake)" >&2; exit 1; }
	cmake --build $(BUILD) --target pellin_help_pdf
	cd $(BUILD) && ctest --output-on-failure --no-tests=error -L package
	cd $(BUILD) && cpack -G DEB

# Installs the package on this machine, converts a sample as the user nobody,
# and removes the package again.
check-package: package
	./scripts/check-package.sh $(BUILD)

# Every C++ file must follow the repository's .clang-format.
check-format: deps
	./scripts/check-format.sh

clean:
	rm -rf build build-asan build-tsan out
