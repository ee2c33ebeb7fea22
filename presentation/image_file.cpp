#include "presentation/image_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

// One line on stderr: the file, the folder it was looked for in, what was wrong.
static void reportImageProblem(const char *filename, const char *problem)
{
    char directory[PATH_MAX + 64];
    if (getcwd(directory, sizeof directory) == nullptr)
        std::snprintf(directory, sizeof directory, "the working directory (%s)", std::strerror(errno));
    std::fprintf(stderr, "mollibek: image \"%s\" in %s %s\n", filename, directory, problem);
}

static const char *whiteningNote(std::size_t got)
{
    return got == 0 ? "its texture will be white" : "the rest of its texture will be white";
}

static bool longerThan(std::FILE *file, std::size_t capacity)
{
    struct stat info;
    return fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode)
        && static_cast<unsigned long long>(info.st_size) > capacity;
}

std::size_t readImageFile(const char *filename, unsigned char *bytes, std::size_t capacity)
{
    char problem[200];
    std::FILE *file = std::fopen(filename, "rb");
    if (file == nullptr) {
        std::snprintf(problem, sizeof problem, "cannot be opened: %s; %s",
                      std::strerror(errno), whiteningNote(0));
        reportImageProblem(filename, problem);
        return 0;
    }

    std::size_t got = capacity > 0 ? std::fread(bytes, 1, capacity, file) : 0;
    int error = errno;
    bool failed = std::ferror(file) != 0;
    bool longer = got == capacity && longerThan(file, capacity);
    std::fclose(file);

    if (failed)
        std::snprintf(problem, sizeof problem, "cannot be read: %s; %s",
                      std::strerror(error), whiteningNote(got));
    else if (longer)
        std::snprintf(problem, sizeof problem, "is longer than %zu bytes; the rest of the file is ignored",
                      capacity);
    else if (got == 0 && capacity > 0)
        std::snprintf(problem, sizeof problem, "is empty; %s", whiteningNote(got));
    else if (got < capacity)
        std::snprintf(problem, sizeof problem, "is short (%zu of %zu bytes); %s",
                      got, capacity, whiteningNote(got));
    else
        return got;
    reportImageProblem(filename, problem);
    return got;
}
