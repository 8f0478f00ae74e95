# `make package`: a Debian package whose library dependencies dpkg-shlibdeps
# computes from the built binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vostrel)
set(CPACK_PACKAGE_VENDOR "Vostrel")
set(CPACK_PACKAGE_CONTACT "Vostrel developers <dev@vostrel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "shrink the field of a three-digit daily draw")
set(CPACK_PACKAGE_DESCRIPTION
    "From the previous draw, an optional text of two-digit pairs to kill and an optional\n"
    "text of banker digits, three fixed rules keep the numbers 000-999 worth betting on.\n"
    "Includes the window program vostrel and the command-line tool vostrel-cli.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese texts need a CJK font; any of these does.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-microhei | fonts-noto-cjk | fonts-arphic-uming")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
