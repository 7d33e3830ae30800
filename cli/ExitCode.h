#pragma once

namespace orvo::cli {

// What every orvo-cal command returns to the shell.
enum ExitCode : int {
    Success = 0,
    Failure = 1, // the input could not be read, was invalid, or the output not written
    WrongUsage = 2,
};

} // namespace orvo::cli
