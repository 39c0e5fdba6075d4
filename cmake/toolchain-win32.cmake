set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILLET_TRIPLE i686-w64-mingw32)
# Doubles in SSE2 registers, as on x86-64: x87's extended precision rounds
# the effects' formulas differently, and the pictures must not depend on
# which build drew them.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
