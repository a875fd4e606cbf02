#pragma once

// The version CMake configures from the project, e.g. "1.1".
extern const char* const program_version;
