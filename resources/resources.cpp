// The compiled-in images and the translations are attached to this library by CMake.
