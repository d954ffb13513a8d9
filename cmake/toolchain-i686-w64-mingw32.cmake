# Shipped build: 32-bit Windows programs. The win32 thread model's runtime imports only
# functions that Windows 95 and NT 4.0 have; the posix model's (winpthreads) does not.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QUILLOR_MINGW_TRIPLE i686-w64-mingw32)
set(QUILLOR_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
