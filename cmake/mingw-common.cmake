# The posix thread model gives std::thread/std::mutex, which GoogleTest wants.
set(CMAKE_C_COMPILER ${QUILLET_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLET_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLET_TRIPLE}-windres)
# Our own cross-built libraries (giflib, libjpeg) live in build/deps/<triple>.
set(QUILLET_DEPS_PREFIX ${CMAKE_CURRENT_LIST_DIR}/../build/deps/${QUILLET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLET_TRIPLE} ${QUILLET_DEPS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static zlib so the program stays one exe.
set(ZLIB_USE_STATIC_LIBS ON)
