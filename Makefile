# The two commands of the README: `make run` and `make test`. Both install what is missing,
# configure and build incrementally first.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: setup configure build run test fuzz clean

setup:
	@bash tools/setup.sh

configure: setup
	@test -f $(BUILD)/build.ninja || cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	@cmake --build $(BUILD)

run: build
	@bash tools/run.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure

fuzz: setup
	@bash tools/fuzz.sh

clean:
	rm -rf $(BUILD)
