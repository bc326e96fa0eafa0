# Two commands on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts the program
#   make test   installs what is missing, builds and runs every test headless
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_ARGS ?=

.PHONY: all deps configure build run test bench format format-check clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD)

# Only the program: the tests and benchmarks are built by `make test` and `make bench`.
run: configure
	cmake --build $(BUILD) --target velmora
	./$(BUILD)/velmora

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	QT_QPA_PLATFORM=offscreen ./tools/run-bench.sh $(BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD)
