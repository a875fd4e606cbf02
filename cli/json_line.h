#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The line is written member by member in the bytes that dumping the same
// document would give, keys in the order written: building and dumping a
// document of some 400 values a chart cost twice the astronomy.
using Json = nlohmann::ordered_json;

// Printable ASCII but '"' and '\' stands in a JSON string as it is; the
// program's own texts and most names are nothing else.
inline bool needs_serializer(const char* text, std::size_t& length) {
  const char* end = text;
  while (*end >= ' ' && *end <= '~' && *end != '"' && *end != '\\') ++end;
  length = static_cast<std::size_t>(end - text);
  return *end != '\0';
}

// One chart's line. Every number, and every text with anything to escape,
// goes through the serializer behind Json::dump. Names and places come from
// the user or the file as bytes: what is not UTF-8 is replaced instead of
// failing the chart.
class JsonLine {
 public:
  explicit JsonLine(std::string& out)
      : out_(out),
        serializer_(nlohmann::detail::output_adapter<char>(out), ' ',
                    nlohmann::json::error_handler_t::replace) {}

  // Punctuation, keys and texts already in JSON.
  void raw(std::string_view json) { out_ += json; }

  void text(const char* text) {
    std::size_t length;
    if (needs_serializer(text, length)) {
      serializer_.dump(Json(text), false, false, 0);
      return;
    }
    out_ += '"';
    out_.append(text, length);
    out_ += '"';
  }

  void value(const Json& value) { serializer_.dump(value, false, false, 0); }

 private:
  std::string& out_;
  nlohmann::detail::serializer<Json> serializer_;
};

// A table of names as JSON strings, made once.
template <std::size_t count>
std::array<std::string, count> json_texts(const char* const (&names)[count]) {
  std::array<std::string, count> texts;
  for (std::size_t i = 0; i < count; ++i) {
    JsonLine line(texts[i]);
    line.text(names[i]);
  }
  return texts;
}
