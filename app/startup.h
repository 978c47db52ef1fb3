// The start-up sequence that the process entry runs.
#pragma once

void RunStartup();
