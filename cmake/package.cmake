# The release zip: Glimmora.exe, the user guide, the licence and a checksum of the exe.
install(TARGETS Glimmora RUNTIME DESTINATION .)
install(FILES ${CMAKE_SOURCE_DIR}/docs/user-guide.md DESTINATION . RENAME "User guide.txt")
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION . RENAME "LICENSE.txt")
install(CODE [[
  set(dir "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  file(SHA256 "${dir}/Glimmora.exe" sum)
  file(WRITE "${dir}/SHA256SUMS.txt" "${sum}  Glimmora.exe\n")
]])

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Glimmora)
set(CPACK_PACKAGE_VENDOR Brindlecove)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME Glimmora-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
