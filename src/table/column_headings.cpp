#include "table/column_headings.h"

#include <cstring>

namespace {

const char* const kHeadings[] = {
    "question",   "questions",  "answer",     "answers",     "reponse",   "reponses",
    "frage",      "fragen",     "antwort",    "antworten",   "pregunta",  "preguntas",
    "respuesta",  "respuestas", "domanda",    "domande",     "risposta",  "risposte",
    "pergunta",   "perguntas",  "resposta",   "respostas",   "vraag",     "vragen",
    "antwoord",   "antwoorden", "front",      "back",        "term",      "terms",
    "definition", "definitions", "definicion", "definizione", "definicao", "definitie",
    "begriff",    "terme",      "termine",    "termino",     "termo",     "vorderseite",
    "ruckseite",  "recto",      "verso",      "voorkant",    "achterkant",
};

// The letter |byte| of code page 1252 in lower case without its accent; 0
// for a byte that is no letter of a heading.
char FoldedLetter(unsigned char byte) {
  if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte);
  if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte - 'A' + 'a');
  if (byte < 0xC0 || byte == 0xD7 || byte == 0xF7) return 0;
  if (byte == 0xFF) return 'y';
  // U+00C0 to U+00FF, upper and lower case alike.
  static const char kBase[] = "aaaaaaaceeeeiiiidnooooo_ouuuuyts";
  return kBase[(byte - 0xC0) % 32];
}

}  // namespace

bool IsColumnHeading(const std::string& cell) {
  std::size_t first = cell.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  std::size_t last = cell.find_last_not_of(" \t:");
  if (last == std::string::npos || last < first) return false;
  std::string folded;
  for (std::size_t i = first; i <= last; ++i) {
    const char letter = FoldedLetter(static_cast<unsigned char>(cell[i]));
    if (letter == 0) return false;
    folded += letter;
  }
  for (const char* heading : kHeadings) {
    if (folded == heading) return true;
  }
  return false;
}
