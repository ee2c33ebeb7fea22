// Reading a headerless raw RGB image from the working directory.
#ifndef MOLLIBEK_PRESENTATION_IMAGE_FILE_H
#define MOLLIBEK_PRESENTATION_IMAGE_FILE_H

#include <cstddef>

// Reads at most capacity bytes of the file into bytes and returns how many
// it got. A file that is missing, unreadable, a directory, empty, short or
// longer than capacity is named on stderr in one line, with the working
// directory and what was wrong; the game goes on with whatever was read.
std::size_t readImageFile(const char *filename, unsigned char *bytes, std::size_t capacity);

#endif
