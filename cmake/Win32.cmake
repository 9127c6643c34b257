# The Windows tree: static linking (no MinGW DLL beside the program), the
# libraries that scripts/setup.sh cross-built into build/deps/win32, and the
# tests run under Wine in a prefix of this build folder.
set(LEXOVANT_DEPS "${CMAKE_SOURCE_DIR}/build/deps/win32" CACHE PATH "Cross-built GoogleTest and libjpeg")

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# GCC 12 warns falsely about std::string concatenation (its bug 105329).
add_compile_options(-Wno-restrict)

foreach(lib gtest gtest_main jpeg)
  if(NOT EXISTS "${LEXOVANT_DEPS}/lib/lib${lib}.a")
    message(FATAL_ERROR "${LEXOVANT_DEPS}/lib/lib${lib}.a is missing: run scripts/setup.sh")
  endif()
endforeach()
add_library(GTest::gtest STATIC IMPORTED)
set_target_properties(GTest::gtest PROPERTIES
  IMPORTED_LOCATION "${LEXOVANT_DEPS}/lib/libgtest.a"
  INTERFACE_INCLUDE_DIRECTORIES "${LEXOVANT_DEPS}/include")
add_library(GTest::gtest_main STATIC IMPORTED)
set_target_properties(GTest::gtest_main PROPERTIES
  IMPORTED_LOCATION "${LEXOVANT_DEPS}/lib/libgtest_main.a"
  INTERFACE_LINK_LIBRARIES GTest::gtest)
add_library(JPEG::JPEG STATIC IMPORTED)
set_target_properties(JPEG::JPEG PROPERTIES
  IMPORTED_LOCATION "${LEXOVANT_DEPS}/lib/libjpeg.a"
  INTERFACE_INCLUDE_DIRECTORIES "${LEXOVANT_DEPS}/include")

set(WINE_PREFIX "${CMAKE_BINARY_DIR}/wineprefix")
configure_file("${CMAKE_SOURCE_DIR}/scripts/wine-run.sh.in" "${CMAKE_BINARY_DIR}/wine-run.sh" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
configure_file("${CMAKE_SOURCE_DIR}/scripts/gui-run.sh.in" "${CMAKE_BINARY_DIR}/gui-run.sh" @ONLY
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(LEXOVANT_GUI_RUN "${CMAKE_BINARY_DIR}/gui-run.sh")
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_BINARY_DIR}/wine-run.sh")
