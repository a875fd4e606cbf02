#include "places/text_fold.h"

#include <unicode/translit.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace {

const char* const fold_transform =
    "NFD; [:Nonspacing Mark:] Remove; NFC; Latin-ASCII; Any-Lower";

bool is_ascii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Made once: ICU reads its transform tables on first use (about 25 ms).
const icu::Transliterator* fold_transliterator() {
  static const std::unique_ptr<icu::Transliterator> made = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> transliterator(
        icu::Transliterator::createInstance(icu::UnicodeString::fromUTF8(fold_transform),
                                            UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(transliterator) : nullptr;
  }();
  return made.get();
}

// ASCII letters in lower case; digits and non-ASCII bytes as they are.
std::string kept_characters(std::string_view text) {
  std::string kept;
  for (const char c : text) {
    if (c >= 'A' && c <= 'Z')
      kept += static_cast<char>(c - 'A' + 'a');
    else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || !is_ascii(c))
      kept += c;
  }
  return kept;
}

}  // namespace

std::string folded_name(std::string_view text) {
  // ASCII text folds to itself in lower case: the transform is not needed.
  if (std::all_of(text.begin(), text.end(), is_ascii)) return kept_characters(text);
  const icu::Transliterator* transliterator = fold_transliterator();
  if (transliterator == nullptr) return kept_characters(text);
  icu::UnicodeString unicode = icu::UnicodeString::fromUTF8(
      icu::StringPiece(text.data(), static_cast<std::int32_t>(text.size())));
  transliterator->transliterate(unicode);
  std::string folded;
  unicode.toUTF8String(folded);
  return kept_characters(folded);
}
