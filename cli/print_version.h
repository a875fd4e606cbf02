#pragma once

// The project's version, e.g. "1.1".
extern const char* const print_version;
