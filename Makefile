# Zelmora — the two set-up commands are `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench fuzz clean format deb install

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/bin/zelmora

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The Debian package, written to $(BUILD_DIR)/deb/.
deb: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target deb

# Installs below /usr (or DESTDIR); the installed program keeps its settings
# in ~/.config/zelmora.
install: build
	cmake --install $(BUILD_DIR)

bench: deps
	cmake -S . -B $(BUILD_DIR)-bench -DCMAKE_BUILD_TYPE=Release -DZELMORA_BUILD_BENCH=ON -DZELMORA_BUILD_TESTS=OFF
	cmake --build $(BUILD_DIR)-bench -j $(JOBS)
	@for b in $(BUILD_DIR)-bench/bench/bench_*; do [ -x "$$b" ] && "$$b"; done; true

# Every parser's fuzz target (clang, libFuzzer) for FUZZ_SECONDS each, two at a time.
FUZZ_SECONDS ?= 60
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_DIR)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZELMORA_FUZZ=ON -DZELMORA_BUILD_GUI=OFF -DZELMORA_BUILD_TESTS=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)-fuzz -j $(JOBS) --target fuzz_targets
	./scripts/run-fuzz.sh $(BUILD_DIR)-fuzz $(FUZZ_SECONDS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench $(BUILD_DIR)-fuzz
