# A Debian package from the install rules: cmake --build BUILD --target package
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "tag-generator")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "ZavoCMS <support@zavocms.com>")
set(CPACK_PACKAGE_VENDOR "ZavoCMS")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Composes ZavoCMS template tags and copies them to the clipboard")
set(CPACK_PACKAGE_DESCRIPTION
    "A single-window tool for people who write ZavoCMS page templates: pick a tag or type a few\n"
    "parameters, and the finished snippet is in the output box and on the clipboard at once.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_DEBIAN_FILE_NAME "DEB-DEFAULT")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt platform plugins and a font with Simplified Chinese glyphs are needed at run time
# but are not found by the shared-library scan.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.zavocms.com/")
include(CPack)
