# Thin front door over scripts/install-deps.sh and CMake.
BUILD      ?= build
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=
SAMPLES    ?= samples
OUT        ?= $(CURDIR)/out

.PHONY: deps configure build run test test-asan test-tsan check-format clean

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
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	$(MAKE) BUILD=build-asan CMAKE_ARGS="-DPELLIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug" build
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) --timeout 600 -LE office

# The thread-heavy tests under ThreadSanitizer.
test-tsan: deps
	$(MAKE) BUILD=build-tsan CMAKE_ARGS="-DPELLIN_TSAN=ON -DPELLIN_WITH_OFFICE=OFF -DPELLIN_WITH_UI=OFF -DCMAKE_BUILD_TYPE=Debug" build
	cd build-tsan && ctest --output-on-failure -j $(JOBS) --timeout 600 --no-tests=error -L threads

# Every C++ file must follow the repository's .clang-format.
check-format: deps
	./scripts/check-format.sh

clean:
	rm -rf build build-asan build-tsan out
