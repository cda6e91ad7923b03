#pragma once
// `PROGRAM --version`: prints "PROGRAM X.Y" and tells the caller to stop.
// Checked before any application object exists, so it needs no display.

// True when argv[1] is --version (the line is then printed on standard output).
bool printVersionIfAsked(int argc, char** argv, const char* program);
