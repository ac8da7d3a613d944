# The user's entry. `make test` bootstraps, builds both targets and runs every
# test; `make run` starts the program.
BUILD   := build
JOBS    ?= 2
TARGETS := x86_64 i686

.PHONY: all bootstrap build test fuzz sanitize clean logo $(addprefix build-,$(TARGETS))

all: build

bootstrap:
	@tools/bootstrap.sh

# Configure once per target, then build incrementally.
define target_rules
build-$(1): bootstrap
	@test -f $(BUILD)/$(1)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD)/$(1) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-$(1).cmake >/dev/null
	@cmake --build $(BUILD)/$(1) -j$(JOBS)
endef
$(foreach t,$(TARGETS),$(eval $(call target_rules,$(t))))

build: $(addprefix build-,$(TARGETS))

test: build
	@tools/run-tests.sh $(BUILD)/x86_64

# The description parser under libFuzzer and AddressSanitizer, natively.
FUZZ_SECONDS ?= 120
fuzz: bootstrap
	@tools/fuzz-descriptions.sh $(FUZZ_SECONDS)

# The component core's tests, natively under the address, leak and
# undefined-behaviour sanitizers.
sanitize: bootstrap
	@tools/sanitize-components.sh

# Redraws the logo picture from its generator.
logo: build-x86_64
	tools/wine-run $(BUILD)/x86_64/tools/logogen.exe resources/logo.jpg

clean:
	rm -rf $(addprefix $(BUILD)/,$(TARGETS))
