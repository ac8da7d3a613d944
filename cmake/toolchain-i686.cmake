# Cross-compiles the i686 target: the shipped 32-bit program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(SHEETMILL_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# Floating point on SSE2, as on x86_64: the x87 unit's excess precision would
# round colour arithmetic, single-precision fractions and the generators'
# pictures differently from the 64-bit program. Every processor that runs the
# supported Windows versions has SSE2. Windows keeps 32-bit stacks only 4-byte
# aligned, so functions realign where SSE spills need it.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")

# CTest runs each test executable through wine64, which hands 32-bit programs
# to Wine's i386 loader (see tools/wine-run).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run)
