# The libpng and zlib releases every build of Quillane uses. A PNG file comes out byte for
# byte the same from the Linux and the Windows build only when both use the same releases.
set(QUILLANE_LIBPNG_VERSION 1.6.39)
set(QUILLANE_ZLIB_VERSION 1.2.13)
