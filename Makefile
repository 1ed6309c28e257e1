# Zelmora — the two set-up commands are `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-sanitize bench fuzz clean format deb install

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

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer
# (LeakSanitizer included) in $(BUILD_DIR)-sanitize. Leaks of system libraries
# are suppressed by tests/sanitize/lsan.supp; a finding in our code fails the
# test that caused it.
SANITIZE_DIR ?= $(BUILD_DIR)-sanitize
SANITIZE_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:print_stacktrace=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0

test-sanitize: deps
	$(SANITIZE_ENV) cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++ -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
		$(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache) \
		-DZELMORA_SANITIZE=ON $(CMAKE_FLAGS)
	$(SANITIZE_ENV) nice -n 10 cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)

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
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench $(BUILD_DIR)-sanitize $(BUILD_DIR)-fuzz
