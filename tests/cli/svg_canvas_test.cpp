#include "cli/svg_canvas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string xml_text(const char* text) {
  std::string out;
  append_xml_text(out, text);
  return out;
}

// The whole document is read back by an XML parser in the end-to-end test.
// Its texts: markup escaped, valid UTF-8 kept, and what XML cannot hold (bad
// bytes, overlong forms, surrogates, code points past U+10FFFF, controls but
// the tab, U+FFFE) replaced by U+FFFD, one per byte.
TEST(XmlText, EscapedKeptOrReplaced) {
  const std::string fffd = "\xEF\xBF\xBD";
  const struct {
    const char* text;
    std::string xml;
  } cases[] = {
      {"a<b>&\"c\"'d'", "a&lt;b&gt;&amp;&quot;c&quot;&apos;d&apos;"},
      {"", ""},
      {"Z\xC3\xBCrich \xE0\xA4\xA6\xE0\xA4\xBF \xF0\x9F\x8C\x99",
       "Z\xC3\xBCrich \xE0\xA4\xA6\xE0\xA4\xBF \xF0\x9F\x8C\x99"},
      {"tab\there", "tab\there"},
      {"a\377b", "a" + fffd + "b"},
      {"\xC3", fffd},
      {"\303A", fffd + "A"},
      {"\xC0\xAF", fffd + fffd},
      {"\xED\xA0\x80", fffd + fffd + fffd},
      {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},
      {"a\001b\037", "a" + fffd + "b" + fffd},
      {"\xEF\xBF\xBE", fffd},
  };
  for (const auto& c : cases) EXPECT_EQ(xml_text(c.text), c.xml) << c.text;
}

}  // namespace
