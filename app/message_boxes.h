#pragma once

// Every modal box goes through these, so that tests can capture the text
// instead of waiting for a click.
using MessageBoxFunction = void (*)(const char* text);
extern MessageBoxFunction show_alert;    // refused input and file errors
extern MessageBoxFunction show_message;  // information
