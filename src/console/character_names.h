// Names for the characters a note cannot show in quotes because nothing of
// them is seen: spaces, direction marks, joiners, variation selectors and the
// like, among those the handheld cannot show ("right-to-left mark").
#ifndef QDCONV_CONSOLE_CHARACTER_NAMES_H_
#define QDCONV_CONSOLE_CHARACTER_NAMES_H_

#include <cstdint>
#include <string>

// How a note shows |character|: "\"ł\" (U+0142)", or by name:
// "a right-to-left mark (U+200F)".
std::string CharacterInWords(std::uint32_t character);

#endif  // QDCONV_CONSOLE_CHARACTER_NAMES_H_
