// Characters the handheld's character set lacks but whose meaning it has:
// typographic spaces, hyphens and invisible joiners, stored in the form the
// handheld shows (a no-break space, a space, '-') or left out. One table
// holds them all, with the names a note gives them.
#ifndef QDCONV_CHARSET_HANDHELD_FORMS_H_
#define QDCONV_CHARSET_HANDHELD_FORMS_H_

#include <cstdint>

struct HandheldForm {
  std::uint32_t character;
  int byte;          // the byte stored, or kLeftOut
  const char* name;  // "narrow no-break space"
};

const int kLeftOut = -1;

// The form |character| is stored in; null for a character that is no such
// one.
const HandheldForm* HandheldFormOf(std::uint32_t character);

// How a note names what |form| is stored as: "a no-break space", "-" ...
const char* StoredFormName(const HandheldForm& form);

#endif  // QDCONV_CHARSET_HANDHELD_FORMS_H_
