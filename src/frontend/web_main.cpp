// The web page's entry: the conversion and the way back as one function the
// page calls per file, on the file's bytes, instead of the console dialogue.
// It answers with one JSON object: whether the file was converted, the size
// of what it made (which PageOutput holds) and under what name, the database's name and number of
// questions, the run's report as data with the console's texts, the quiz
// record by record, and how the page's editor shows the file. It never
// pauses, and nothing touches a disk.
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "charset/code_pages.h"
#include "charset/encoding_guess.h"
#include "charset/text_encoding.h"
#include "charset/utf8.h"
#include "conversion/convert_question_file.h"
#include "conversion/document_kind.h"
#include "files/sibling_path.h"
#include "frontend/page_json.h"
#include "frontend/question_paths.h"
#include "recovery/recover_question_file.h"
#include "table/table_question_text.h"
#include "table/table_reader.h"

namespace {

std::string answer;  // what the last call returned, kept while the page reads it
// The file the last run made (a database, or a question file), kept while the
// page copies it out of the module's memory.
std::vector<unsigned char> output;

const char* Answer(std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

// The WHATWG name of the encoding a question file is read in, for the
// editor to decode it with ("windows-1252" for bytes as they are, which is
// the handheld's character set); null for a code page browsers do not
// decode, whose text the module gives in UTF-8 instead.
const char* EditorEncoding(TextEncoding encoding) {
  switch (encoding) {
    case kUtf8:
    case kUtf8WithByteOrderMark:
      return "utf-8";
    case kUtf16LittleEndian:
    case kUtf16LittleEndianWithoutMark:
      return "utf-16le";
    case kUtf16BigEndian:
    case kUtf16BigEndianWithoutMark:
      return "utf-16be";
    case kMacRoman:
      return "macintosh";
    case kWindows1250:
      return "windows-1250";
    case kWindows1251:
      return "windows-1251";
    case kWindows1253:
      return "windows-1253";
    case kWindows1254:
      return "windows-1254";
    case kWindows1257:
      return "windows-1257";
    case kDos866:
      return "ibm866";
    case kMacCyrillic:
      return "x-mac-cyrillic";
    case kDos437:
    case kDos850:
    case kDos852:
    case kMacCentralEuropean:
      return nullptr;
    case kBytesAsTheyAre:
      break;
  }
  return "windows-1252";
}

// How the editor shows the question file |bytes[0..size)|: {"encoding": the
// one to decode it with}, or {"text": it in UTF-8} for a code page browsers
// do not decode.
std::string EditorJsonOfText(const unsigned char* bytes, std::size_t size,
                             const EncodingChoice& choice) {
  const EncodingDecision decision = DecideTextEncoding(bytes, size, choice);
  const TextEncoding encoding =
      decision.verdict == kEncodingDecided ? decision.encoding : kBytesAsTheyAre;
  if (const char* name = EditorEncoding(encoding)) {
    return "{\"encoding\":\"" + std::string(name) + "\"}";
  }
  const std::string text(reinterpret_cast<const char*>(bytes), size);
  return "{\"text\":" + JsonString(CodePageTextInUtf8(encoding, text)) + "}";
}

// How the editor shows the question file or table |bytes|: {"text": the
// question text a table stands for}, {"encoding": a question file's}, or {}
// for a document.
std::string EditorJson(ByteBuffer bytes, const QuestionFileFacts& facts) {
  if (DetectDocumentKind(bytes.data(), bytes.size()) != kPlainText) return "{}";
  if (facts.table != kNotATable) {
    return "{\"text\":" +
           JsonString(TableQuestionTextInUtf8(bytes.data(), bytes.size(), facts.tableName,
                                              facts.table == kTabSeparatedTable)) +
           "}";
  }
  return EditorJsonOfText(bytes.data(), bytes.size(), facts.encoding);
}

// The "outputSize" field for |bytes|, which become the run's output.
std::string KeepOutput(std::vector<unsigned char> bytes) {
  output = std::move(bytes);
  return std::to_string(output.size());
}

std::string Summary(bool ok, const std::string& name, int recordCount) {
  return ",\"name\":" + JsonString(ok ? HandheldTextInUtf8(name.data(), name.size()) : "") +
         ",\"questions\":" + std::to_string(ok ? recordCount / 2 : 0);
}

std::string ReportFields(const Report& report) {
  return ",\"message\":" + JsonString(RunMessage(report)) +
         ",\"report\":" + ReportJson(report);
}

std::string Convert(ByteBuffer& bytes, const char* fileName, bool withText,
                    const EncodingChoice& encoding) {
  QuestionFileFacts facts = QuestionFileFactsOf(fileName);
  facts.withPreview = true;
  facts.encoding = encoding;
  const std::string editor = withText ? EditorJson(bytes, facts) : "null";
  ConversionResult result;
  ConvertQuestionFile(bytes, facts, result);
  const bool ok = result.converted;
  return std::string("{\"ok\":") + (ok ? "true" : "false") + ",\"toQuestionFile\":false" +
         ",\"outputName\":" + JsonString(DeriveDatabasePath(fileName)) +
         ",\"textName\":" +
         JsonString(facts.table != kNotATable ? SiblingPath(fileName, ".txt") : fileName) +
         ",\"outputSize\":" + (ok ? KeepOutput(DatabaseBytes(result.database)) : "0") +
         Summary(ok, result.databaseName, result.recordCount) + ReportFields(result.report) +
         ",\"preview\":" + PreviewJson(result.preview) + ",\"editor\":" + editor + "}";
}

std::string Recover(const ByteBuffer& bytes, const char* fileName) {
  RecoveryResult result;
  RecoverQuestionFile(bytes.data(), bytes.size(), fileName, true, result);
  const bool ok = result.recovered;
  const auto* text = reinterpret_cast<const unsigned char*>(result.questionText.data());
  const std::string questionFile = SiblingPath(fileName, ".txt");
  return std::string("{\"ok\":") + (ok ? "true" : "false") + ",\"toQuestionFile\":true" +
         ",\"outputName\":" + JsonString(questionFile) + ",\"textName\":" +
         JsonString(questionFile) + ",\"outputSize\":" +
         (ok ? KeepOutput(std::vector<unsigned char>(text, text + result.questionText.size()))
             : "0") +
         Summary(ok, result.databaseName, result.recordCount) + ReportFields(result.report) +
         ",\"preview\":" + PreviewJson(result.preview) + ",\"editor\":" +
         (ok ? EditorJsonOfText(text, result.questionText.size(), WesternMachine())
             : "{\"encoding\":\"utf-8\"}") +
         "}";
}

}  // namespace

extern "C" {

// The run on the file |fileName| whose |length| bytes are at |bytes|: a
// database (".pdb") back to its question file as qdtext does, anything else
// to a database as qdconv does. With |withText| 0 the editor's view of a
// question file is left out ("editor": null). |language|, the browser's
// first language ("pl-PL"), says which code page 8-bit text from this
// machine is likely in, as the machine's locale does for qdconv;
// |encoding|, when not empty, names the encoding the file is read in, as
// qdconv's --encoding does (an unknown name counts as none).
const char* PageRun(const unsigned char* bytes, int length, const char* fileName, int withText,
                    const char* language, const char* encoding) {
  ByteBuffer copy(bytes, bytes + (length > 0 ? length : 0));
  if (HasExtension(fileName, ".pdb")) return Answer(Recover(copy, fileName));
  EncodingChoice choice = {AnsiCodePageOfLanguage(language), false, kBytesAsTheyAre};
  choice.named = *encoding != '\0' && TextEncodingOfName(encoding, choice.encoding);
  return Answer(Convert(copy, fileName, withText != 0, choice));
}

// Where the file the last PageRun made begins, in the module's memory; its
// size is the answer's "outputSize". Valid until the next PageRun.
const unsigned char* PageOutput() { return output.data(); }

// Whether the pasted text |bytes[0..length)| (UTF-8) is rows copied from a
// spreadsheet, read as the converter reads a tab-separated table.
int PageIsTabSeparatedPaste(const unsigned char* bytes, int length) {
  return IsTabSeparatedPaste(bytes, static_cast<std::size_t>(length > 0 ? length : 0)) ? 1 : 0;
}

// The warning, as the console gives it, for the question files |first| and
// |second| that both make a database named |name| (UTF-8 all three).
const char* PageSameNameWarning(const char* first, const char* second, const char* name) {
  const int length = std::snprintf(nullptr, 0, kSameDatabaseNameWarning, first, second, name);
  std::string warning(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  std::snprintf(&warning[0], warning.size() + 1, kSameDatabaseNameWarning, first, second, name);
  return Answer("Warning: " + warning);
}

}  // extern "C"
