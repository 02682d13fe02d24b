include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# The static library and libzolsolutions.so (zolsolutions::zolsolutions_shared), whose C interface
# is include/zolsolutions/zolsolutions.h.
install(TARGETS zolsolutions zolsolutions_shared EXPORT ZolSolutionsTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY include/zolsolutions DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT ZolSolutionsTargets
  NAMESPACE zolsolutions::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/ZolSolutions)
configure_package_config_file(cmake/ZolSolutionsConfig.cmake.in
  "${PROJECT_BINARY_DIR}/ZolSolutionsConfig.cmake"
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/ZolSolutions)
write_basic_package_version_file("${PROJECT_BINARY_DIR}/ZolSolutionsConfigVersion.cmake"
  COMPATIBILITY SameMinorVersion)
install(FILES "${PROJECT_BINARY_DIR}/ZolSolutionsConfig.cmake"
  "${PROJECT_BINARY_DIR}/ZolSolutionsConfigVersion.cmake"
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/ZolSolutions)
