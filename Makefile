# The user's entry. `make test` bootstraps, builds both targets and runs every
# test; `make run` starts the program.
BUILD   := build
# Say what is built and how the tests went, not which folder make is in.
MAKEFLAGS += --no-print-directory
JOBS    ?= 2
TARGETS := x86_64 i686

.PHONY: all bootstrap build test run demo gallery fuzz fuzz-pcx sanitize bench clean logo atlases kind-glyphs caption-glyphs theme-sheet icon dist $(addprefix build-,$(TARGETS))

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
	@tools/run-tests.sh $(addprefix $(BUILD)/,$(TARGETS))

# The program on this display; without one, the scripted demo (see README).
run: build-x86_64
	@tools/run.sh $(BUILD)/x86_64

# The scripted demo under a virtual display, display or not.
demo: build-x86_64
	@tools/demo.sh $(BUILD)/x86_64 $(BUILD)/demo

# The theme gallery's tour of the nine looks, one picture each (see README).
gallery: build-x86_64
	@tools/gallery.sh $(BUILD)/x86_64 $(BUILD)/gallery

# The description parser under libFuzzer and AddressSanitizer, natively.
FUZZ_SECONDS ?= 120
fuzz: bootstrap
	@tools/fuzz-descriptions.sh $(FUZZ_SECONDS)

# The component core's and the effect engine's tests, natively under the
# address, leak and undefined-behaviour sanitizers.
sanitize: bootstrap
	@tools/sanitize-components.sh
	@tools/sanitize-effects.sh

# Redraws the logo picture from its generator.
logo: build-x86_64
	tools/wine-run $(BUILD)/x86_64/tools/logogen.exe resources/logo.jpg

# Redraws the four theme atlases with the generator built for this machine.
HOST_CXX ?= g++
atlases:
	@mkdir -p $(BUILD)/host
	$(HOST_CXX) -std=c++17 -O2 -Wall -Wextra -I. -o $(BUILD)/host/atlasgen tools/atlasgen/*.cpp
	$(BUILD)/host/atlasgen resources

# Redraws the button kinds' glyph strips, natively.
kind-glyphs:
	@mkdir -p $(BUILD)/host
	$(HOST_CXX) -std=c++17 -O2 -Wall -Wextra -I. -o $(BUILD)/host/kindglyphs tools/kindglyphs/*.cpp
	$(BUILD)/host/kindglyphs resources

# Redraws the system menu's caption glyphs, natively.
caption-glyphs:
	@mkdir -p $(BUILD)/host
	$(HOST_CXX) -std=c++17 -O2 -Wall -Wextra -I. -o $(BUILD)/host/captionglyphs tools/captionglyphs/*.cpp
	$(BUILD)/host/captionglyphs resources

# Times the bitmap's hot paths, a control's paint in each buffering mode and
# the themes' paints (picture, classic and flat looks) under Wine, against a BitBlt of the same run, for the
# 64-bit program and then for the 32-bit one.
BENCHES := skbitmap_bench skcontrols_bench luna_bench skedit_bench skform_bench \
           skthemecontrols_bench std_bench skbars_bench \
           skeffects_bench skpopupmenu_bench startup_bench sheetmill_bench
# A benchmark that misses its goal exits non-zero; the others still run, and
# the misses are listed at the end.
bench: build
	@missed=""; for t in $(TARGETS); do \
	  if [ $$t = i686 ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then \
	    echo "== benchmarks of the i686 program NOT RUN: this machine cannot execute 32-bit code"; \
	    continue; \
	  fi; \
	  echo "== benchmarks of the $$t program"; \
	  for b in $(BENCHES); do \
	    tools/wine-run $(BUILD)/$$t/bench/$$b.exe || missed="$$missed $$t/$$b"; \
	  done; \
	done; \
	if [ -n "$$missed" ]; then echo "== goals missed in:$$missed"; exit 1; fi

# Every element of the looks in every state, in one picture.
theme-sheet: build-x86_64
	@tools/wine-run $(BUILD)/x86_64/tools/themesheet.exe $(BUILD)/theme-sheet.bmp
	@convert $(BUILD)/theme-sheet.bmp $(BUILD)/theme-sheet.png
	@rm -f $(BUILD)/theme-sheet.bmp
	@echo "theme-sheet: $(BUILD)/theme-sheet.png"

# Redraws the program icon (16 and 32 pixels, from the logo's drawing), natively.
icon:
	@mkdir -p $(BUILD)/host
	$(HOST_CXX) -std=c++17 -O2 -Wall -Wextra -I. -o $(BUILD)/host/icongen tools/icongen/*.cpp tools/logogen/logodraw.cpp
	$(BUILD)/host/icongen resources

# The release packages: both targets built apart from the everyday trees,
# optimised, stripped and without debug information, zipped into dist/ and
# listed. The gallery must be in them once its sources are in the tree.
VERSION = $(shell sed -n 's/^set(SHEETMILL_VERSION \(.*\))$$/\1/p' CMakeLists.txt)
dist: bootstrap
	@for t in $(TARGETS); do \
	  test -f $(BUILD)/release-$$t/CMakeCache.txt || \
	    cmake -S . -B $(BUILD)/release-$$t -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchain-$$t.cmake \
	      -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null || exit 1; \
	  cmake --build $(BUILD)/release-$$t --target dist -j$(JOBS) || exit 1; \
	done
	@gallery=$$(test -d gallery && echo --gallery); \
	for zip in dist/SheetMill-$(VERSION)-win32.zip dist/SheetMill-$(VERSION)-win64.zip; do \
	  echo "== $$zip"; tools/check-dist.py $$zip $$gallery || exit 1; \
	done

# Fuzzes the PCX decoder natively under the sanitizers for FUZZ_SECONDS.
FUZZ_SECONDS ?= 300
fuzz-pcx:
	@tools/fuzz-pcx.sh $(BUILD)/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(addprefix $(BUILD)/,$(TARGETS))
