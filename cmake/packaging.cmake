# The Debian package: `cpack -G DEB` in a build tree packs what `cmake --install` installs, with
# the files a Debian package needs beside the program (manual page, metainfo, copyright, changelog).

# The manual page and the changelog go in gzipped (-n: no name or time, so builds are the same).
find_program(SONVELLA_GZIP gzip REQUIRED)
set(sonvella_pkg "${PROJECT_BINARY_DIR}/package")  # the files made for the package
string(TIMESTAMP SONVELLA_MAN_DATE "%B %Y" UTC)  # SOURCE_DATE_EPOCH, when set, decides it
configure_file("${PROJECT_SOURCE_DIR}/data/sonvella.1.in" "${sonvella_pkg}/sonvella.1" @ONLY)
configure_file("${PROJECT_SOURCE_DIR}/data/debian/changelog" "${sonvella_pkg}/changelog.Debian"
               COPYONLY)
add_custom_command(OUTPUT "${sonvella_pkg}/sonvella.1.gz" "${sonvella_pkg}/changelog.Debian.gz"
    COMMAND ${SONVELLA_GZIP} -9nkf "${sonvella_pkg}/sonvella.1" "${sonvella_pkg}/changelog.Debian"
    DEPENDS "${sonvella_pkg}/sonvella.1" "${sonvella_pkg}/changelog.Debian"
    VERBATIM)
add_custom_target(sonvella_package_files ALL
    DEPENDS "${sonvella_pkg}/sonvella.1.gz" "${sonvella_pkg}/changelog.Debian.gz")

# The sort tools have no page of their own: sonvella.1 describes them too.
foreach(tool Varnel Tormin)
    file(CREATE_LINK sonvella.1.gz "${sonvella_pkg}/${tool}.1.gz" SYMBOLIC)
endforeach()
install(FILES "${sonvella_pkg}/sonvella.1.gz" "${sonvella_pkg}/Varnel.1.gz"
              "${sonvella_pkg}/Tormin.1.gz"
        DESTINATION share/man/man1)
install(FILES "${PROJECT_SOURCE_DIR}/data/org.sonvella.Sonvella.metainfo.xml"
        DESTINATION share/metainfo)
install(FILES "${PROJECT_SOURCE_DIR}/data/debian/copyright" "${sonvella_pkg}/changelog.Debian.gz"
        DESTINATION share/doc/sonvella)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sonvella)
set(CPACK_PACKAGE_VENDOR "The Sonvella developers")
set(CPACK_PACKAGE_CONTACT "The Sonvella developers <sonvella@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "catalogue of a classical-music collection")
# CPack keeps the description's lines as they are here: each under 80 characters, a blank one
# between paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [=[
Sonvella keeps a catalogue of a private collection of classical-music
recordings: CDs, SACDs, DVDs, LPs, 45s and 78s, tapes and MiniDiscs. One
record per musical work holds the composer, title, orchestra and conductor,
soloists, cover text and the identity of the medium, with its cover pictures.

It searches by one or several fields, finds records as you type, prints lists,
exports text and CSV, imports CSV, checks the collection for duplicates and
misspelt names, and makes backups. The sort tools Varnel and Tormin, a demo
collection and the manual come with it.]=])
set(CPACK_STRIP_FILES ON)  # Debian ships stripped programs

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # sonvella_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform and image plugins at run time, where dpkg-shlibdeps cannot see them. On
# Debian 12 the xcb platform and the JPEG and GIF readers are in libqt6gui6 (PNG is built into
# Qt Gui itself); WebP, which a cover file may hold, is in qt6-image-formats-plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6gui6 (>= 6.4)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins")

include(CPack)
