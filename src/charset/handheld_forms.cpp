#include "charset/handheld_forms.h"

namespace {

const HandheldForm kForms[] = {
    {0x2000, ' ', "en quad"},
    {0x2001, ' ', "em quad"},
    {0x2002, ' ', "en space"},
    {0x2003, ' ', "em space"},
    {0x2004, ' ', "three-per-em space"},
    {0x2005, ' ', "four-per-em space"},
    {0x2006, ' ', "six-per-em space"},
    {0x2007, 0xA0, "figure space"},
    {0x2008, ' ', "punctuation space"},
    {0x2009, ' ', "thin space"},
    {0x200A, ' ', "hair space"},
    {0x200B, kLeftOut, "zero width space"},
    {0x200C, kLeftOut, "zero width non-joiner"},
    {0x200D, kLeftOut, "zero width joiner"},
    {0x2010, '-', "hyphen"},
    {0x2011, '-', "non-breaking hyphen"},
    {0x202F, 0xA0, "narrow no-break space"},
    {0x205F, ' ', "medium mathematical space"},
    {0x2060, kLeftOut, "word joiner"},
    {0x2212, '-', "minus sign"},
    {0xFEFF, kLeftOut, "zero width no-break space"},
};

}  // namespace

const HandheldForm* HandheldFormOf(std::uint32_t character) {
  if (character < 0x2000) return nullptr;
  for (const HandheldForm& form : kForms) {
    if (form.character == character) return &form;
  }
  return nullptr;
}

const char* StoredFormName(const HandheldForm& form) {
  switch (form.byte) {
    case 0xA0:
      return "a no-break space";
    case ' ':
      return "a space";
    case '-':
      return "\"-\"";
    default:
      return "nothing: it is left out";
  }
}
