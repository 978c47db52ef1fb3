// The network time query's HEAD request, made through the program's web request routine.
#pragma once

#include "app/network_time.h"

// A HEAD request to url through WebRequest with every other option at its default.
int WebHeadRequest(const Text& url, Text& responseHeaders);
