#include "LinkReporter.h"

LinkReporter::~LinkReporter() = default;
