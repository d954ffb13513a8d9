# Test build: the same sources as 64-bit programs, which this machine can run under wine64.
# The posix thread model: GoogleTest needs std::mutex, which the win32 model lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QUILLOR_MINGW_TRIPLE x86_64-w64-mingw32)
set(QUILLOR_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
