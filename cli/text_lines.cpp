#include "cli/text_lines.h"

#include "base/utf8_text.h"

void append_line(std::string& out, const char* text, std::size_t length) {
  while (length > 0 && text[length - 1] == ' ') --length;
  out.append(text, length);
  out += '\n';
}

void append_line(std::string& out, const std::string& text) {
  append_line(out, text.data(), text.size());
}

std::string shown_field(const char* text) {
  std::string shown;
  append_terminal_text(shown, text);
  return shown;
}

std::string joined_words(const std::vector<std::string>& words, const char* separator,
                         const char* last_separator) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += i + 1 == words.size() ? last_separator : separator;
    text += words[i];
  }
  return text;
}
