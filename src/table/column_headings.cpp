#include "table/column_headings.h"

#include <cstdint>
#include <string>

#include "charset/code_page_1252.h"
#include "charset/compositions.h"
#include "charset/handheld_decoder.h"
#include "charset/utf8.h"

namespace {

// In lower case, without accents (UTF-8).
const char* const kHeadings[] = {
    "question",   "questions",  "answer",     "answers",     "reponse",   "reponses",
    "frage",      "fragen",     "antwort",    "antworten",   "pregunta",  "preguntas",
    "respuesta",  "respuestas", "domanda",    "domande",     "risposta",  "risposte",
    "pergunta",   "perguntas",  "resposta",   "respostas",   "vraag",     "vragen",
    "antwoord",   "antwoorden", "front",      "back",        "term",      "terms",
    "definition", "definitions", "definicion", "definizione", "definicao", "definitie",
    "begriff",    "terme",      "termine",    "termino",     "termo",     "vorderseite",
    "ruckseite",  "recto",      "verso",      "voorkant",    "achterkant",
    // Nordic: Swedish, Danish, Norwegian, Icelandic, Finnish.
    "fraga",      "fragor",     "svar",       "sporgsmal",   "sporsmal",  "spurning",
    "kysymys",    "vastaus",
    // Central and Eastern Europe: Polish, Czech, Slovak, Hungarian, Slovenian,
    // Croatian, Bosnian and Serbian, Romanian, Albanian, Turkish, Baltic.
    "pytanie",    "pytania",    "odpowiedz",  "odpowiedzi",  "otazka",    "otazky",
    "odpoved",    "odpovede",   "odpovedi",   "kerdes",      "kerdesek",  "valasz",
    "valaszok",   "vprasanje",  "vprasanja",  "odgovor",     "odgovori",  "pitanje",
    "pitanja",    "intrebare",  "intrebari",  "raspuns",     "raspunsuri", "pyetje",
    "pergjigje",  "pergjigja",  "soru",       "sorular",     "cevap",     "cevaplar",
    "klausimas",  "klausimai",  "atsakymas",  "atsakymai",   "jautajums", "atbilde",
    "kusimus",    "vastus",
    // Cyrillic: Russian, Ukrainian, Bulgarian, Serbian; Greek.
    "\xD0\xB2\xD0\xBE\xD0\xBF\xD1\x80\xD0\xBE\xD1\x81",              // вопрос
    "\xD0\xBE\xD1\x82\xD0\xB2\xD0\xB5\xD1\x82",                        // ответ
    "\xD0\xBF\xD0\xB8\xD1\x82\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8F",      // питання
    "\xD0\xB2\xD1\x96\xD0\xB4\xD0\xBF\xD0\xBE\xD0\xB2\xD1\x96\xD0\xB4\xD1\x8C",  // відповідь
    "\xD0\xB2\xD1\x8A\xD0\xBF\xD1\x80\xD0\xBE\xD1\x81",              // въпрос
    "\xD0\xBE\xD1\x82\xD0\xB3\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x80",      // отговор
    "\xD0\xBF\xD0\xB8\xD1\x82\xD0\xB0\xD1\x9A\xD0\xB5",              // питање
    "\xD0\xBE\xD0\xB4\xD0\xB3\xD0\xBE\xD0\xB2\xD0\xBE\xD1\x80",      // одговор
    "\xCE\xB5\xCF\x81\xCF\x89\xCF\x84\xCE\xB7\xCF\x83\xCE\xB7",      // ερωτηση
    "\xCE\xB1\xCF\x80\xCE\xB1\xCE\xBD\xCF\x84\xCE\xB7\xCF\x83\xCE\xB7",  // απαντηση
};

// |character| in lower case without accents; 0 for one that is no letter of
// a heading.
std::uint32_t FoldedLetter(std::uint32_t character) {
  character = BaseLetter(character);
  switch (character) {
    case 0x0141: case 0x0142: return 'l';  // Ł ł
    case 0x0110: case 0x0111: return 'd';  // Đ đ
    case 0x0131: return 'i';               // ı
    case 0x00D8: case 0x00F8: return 'o';  // Ø ø
    case 0x00DF: return 0x00DF;            // ß
    default: break;
  }
  if (character >= 'a' && character <= 'z') return character;
  if (character >= 'A' && character <= 'Z') return character - 'A' + 'a';
  if (character >= 0x0430 && character <= 0x045F) return character;  // Cyrillic
  if (character >= 0x0410 && character <= 0x042F) return character + 0x20;
  if (character >= 0x0400 && character <= 0x040F) return character + 0x50;
  if (character >= 0x03B1 && character <= 0x03C9) return character;  // Greek
  if (character >= 0x0391 && character <= 0x03A9) return character + 0x20;
  return 0;
}

}  // namespace

bool IsColumnHeading(const TableCell& cell) {
  const std::string& text = cell.text;
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  std::size_t last = text.find_last_not_of(" \t:");
  if (last == std::string::npos || last < first) return false;
  // The characters the handheld cannot show are marks in the text, in order.
  std::size_t unmapped = 0;
  for (std::size_t i = 0; i < first; ++i) {
    unmapped += static_cast<unsigned char>(text[i]) == kUnmappedMark;
  }
  std::string folded;
  for (std::size_t i = first; i <= last; ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    std::uint32_t character = CharacterOfHandheldByte(byte);
    if (byte == kUnmappedMark) {
      if (unmapped >= cell.unmapped.size()) return false;
      character = cell.unmapped[unmapped++];
    }
    const std::uint32_t letter = FoldedLetter(character);
    if (letter == 0) return false;
    char utf8[4];
    folded.append(utf8, EncodeUtf8Character(letter, utf8));
  }
  for (const char* heading : kHeadings) {
    if (folded == heading) return true;
  }
  return false;
}
