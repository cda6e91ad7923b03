#include "common/VersionOption.h"

#include "common/Version.h"

#include <cstdio>
#include <cstring>

bool printVersionIfAsked(int argc, char** argv, const char* program) {
    if (argc < 2 || std::strcmp(argv[1], "--version") != 0) return false;
    std::printf("%s %s\n", program, kDaviduvVersion);
    return true;
}
