#include "link/LinkReporter.h"

LinkReporter::~LinkReporter() = default;
