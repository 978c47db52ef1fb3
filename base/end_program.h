// Ends the process at once with an exit status; standard output is flushed first.
#pragma once

[[noreturn]] void EndProgram(int status);
