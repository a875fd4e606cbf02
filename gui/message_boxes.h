#pragma once

// Every modal box goes through these, so that tests can capture the text
// instead of waiting for a click.
using MessageBoxFunction = void (*)(const char* text);
extern MessageBoxFunction show_alert;    // refused input and file errors
extern MessageBoxFunction show_message;  // information

// A question with two answers besides Cancel: 1 for the first, 2 for the
// second, 0 for Cancel.
using ChoiceBoxFunction = int (*)(const char* text, const char* first,
                                  const char* second);
extern ChoiceBoxFunction ask_choice;
