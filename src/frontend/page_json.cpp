#include "frontend/page_json.h"

#include <cstdio>

#include "charset/code_pages.h"
#include "charset/handheld_forms.h"
#include "console/kind_names.h"
#include "console/report_text.h"

namespace {

const char* const kKindNames[] = {
    "echo-line",
    "progress-numbers",
    "questions-converted",
    "questions-written",
    "could-not-open-input",
    "input-too-large",
    "could-not-read-input",
    "could-not-open-output",
    "input-is-output",
    "could-not-write-output",
    "not-plain-text",
    "unclosed-quote-at-record",
    "unshowable-in-name",
    "unshowable-at-record",
    "invalid-text-in-name",
    "invalid-text-at-record",
    "encoding-not-certain",
    "encodings-mixed",
    "database-name-invalid",
    "too-many-records",
    "line-too-long-at-record",
    "not-a-database-too-short",
    "not-a-database-name-without-end",
    "other-application-database",
    "list-runs-past-the-end",
    "offset-into-header-or-list",
    "offset-past-the-end",
    "offset-before-the-previous",
    "body-shorter-than-its-prefix",
    "text-without-end",
    "record-holds-line-feed",
    "record-holds-end-of-file",
    "question-file-exists",
    "text-not-writable",
    "hint-system-error",
    "hint-link-refused",
    "hint-beside-a-device",
    "hint-unshowable",
    "hint-invalid-text",
    "hint-later-unshowable",
    "hint-alphabet-unshowable",
    "hint-unclosed-quote",
    "hint-no-text",
    "hint-name-line-empty",
    "hint-name-empty",
    "hint-name-control-character",
    "hint-name-too-long",
    "hint-tab-separated-text",
    "hint-cell-too-long",
    "hint-line-too-long",
    "hint-last-line-too-long",
    "hint-too-many-rows",
    "hint-too-many-lines",
    "hint-database-given",
    "hint-output-is-input",
    "hint-not-plain-text",
    "hint-spreadsheet",
    "hint-too-large",
    "hint-not-a-database",
    "hint-other-application",
    "hint-database-damaged",
    "hint-too-many-database-records",
    "hint-name-starts-as-document",
    "hint-question-file-kept",
    "hint-record-too-long-for-line",
    "hint-no-line-holds-record",
    "hint-only-ansi-holds-bytes",
    "hint-encoding-candidates",
    "hint-encoding-mixed",
    "warn-read-as-mac-roman",
    "warn-read-as-encoding",
    "warn-table-name-cut",
    "warn-headings-skipped",
    "warn-rows-beyond-b",
    "warn-empty-cell",
    "warn-more-empty-cells",
    "warn-cell-holds-nul",
    "warn-more-cells-hold-nul",
    "warn-no-rows",
    "warn-name-cut-by-nul",
    "warn-blank-line-at-end",
    "warn-blank-answer",
    "warn-blank-line-shifts",
    "warn-more-blank-lines",
    "warn-line-holds-nul",
    "warn-more-lines-hold-nul",
    "warn-no-question-lines",
    "warn-odd-line-count",
    "warn-repeated-question",
    "warn-more-repeated-questions",
    "warn-handheld-form",
    "warn-byte-without-letter",
    "warn-ansi-question-file",
};
static_assert(sizeof kKindNames / sizeof kKindNames[0] == kWarnAnsiQuestionFile + 1,
              "one name for each kind of report entry");

std::string Field(const char* name, const std::string& json) {
  return std::string(",\"") + name + "\":" + json;
}

std::string NumberList(const std::vector<int>& numbers) {
  std::string json = "[";
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    if (k > 0) json += ',';
    json += std::to_string(numbers[k]);
  }
  return json + "]";
}

std::string EntryJson(const ReportEntry& entry) {
  std::string text = ReportEntryText(entry);
  if (!text.empty() && text.back() == '\n') text.pop_back();
  std::string json = "{\"kind\":" + JsonString(kKindNames[entry.kind]) + Field("text", JsonString(text));
  if (entry.place.where != kNowhere) {
    json += Field("line", std::to_string(entry.place.line));
    if (entry.place.where == kInCell) json += Field("column", std::to_string(entry.place.column));
    if (entry.place.where == kInFileName) json += Field("inFileName", "true");
  }
  if (entry.inTable || entry.place.where == kInCell) json += Field("inTable", "true");
  if (entry.character != 0) json += Field("character", std::to_string(entry.character));
  // What a character the handheld lacks is stored as: a byte, or -1 for left out.
  if (entry.kind == kWarnHandheldForm) {
    if (const HandheldForm* form = HandheldFormOf(entry.character)) {
      json += Field("stored", std::to_string(form->byte));
    }
  }
  // The encoding an entry names, and the word that reads differently in each
  // of the encodings a file might be in (the file's own bytes are no text
  // to put in JSON).
  if (entry.kind == kInvalidTextInName || entry.kind == kInvalidTextAtRecord ||
      entry.kind == kHintInvalidText || entry.kind == kWarnReadAsEncoding) {
    const TextEncoding encoding = static_cast<TextEncoding>(entry.detail);
    json += Field("encoding", JsonString(EncodingOptionName(encoding)));
  }
  if (entry.kind == kHintEncodingCandidates) {
    std::string readings, encodings;
    for (const int candidate : entry.numbers) {
      const TextEncoding reading = static_cast<TextEncoding>(candidate);
      readings += (readings.empty() ? "" : ",") +
                  JsonString(CodePageTextInUtf8(reading, entry.text));
      encodings += (encodings.empty() ? "" : ",") + JsonString(EncodingOptionName(reading));
    }
    return json + Field("readings", "[" + readings + "]") +
           Field("encodings", "[" + encodings + "]") + "}";
  }
  if (entry.number != 0) json += Field("number", std::to_string(entry.number));
  if (entry.limit != 0) json += Field("limit", std::to_string(entry.limit));
  if (entry.detail != 0) json += Field("detail", std::to_string(entry.detail));
  if (!entry.text.empty()) json += Field("name", JsonString(entry.text));
  if (!entry.otherText.empty()) json += Field("otherName", JsonString(entry.otherText));
  if (!entry.numbers.empty()) json += Field("numbers", NumberList(entry.numbers));
  if (!entry.characters.empty()) {
    json += ",\"characters\":[";
    for (std::size_t k = 0; k < entry.characters.size(); ++k) {
      const PlacedCharacter& placed = entry.characters[k];
      if (k > 0) json += ',';
      json += "[" + std::to_string(placed.lineOrRow) + "," + std::to_string(placed.column) +
              "," + std::to_string(placed.character) + "]";
    }
    json += "]";
  }
  return json + "}";
}

}  // namespace

std::string JsonString(const std::string& text) {
  std::string json;
  json.reserve(text.size() + 2);
  json += '"';
  std::size_t plain = 0;  // where the bytes not yet added begin
  for (std::size_t k = 0; k < text.size(); ++k) {
    const unsigned char c = static_cast<unsigned char>(text[k]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    json.append(text, plain, k - plain);
    plain = k + 1;
    if (c == '"' || c == '\\') {
      json += '\\';
      json += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      json += escaped;
    }
  }
  json.append(text, plain, std::string::npos);
  return json + '"';
}

std::string ReportJson(const Report& report) {
  std::string json = "[";
  for (const ReportEntry& entry : report) {
    if (entry.kind == kEchoLine || entry.kind == kProgressNumbers) continue;
    if (json.size() > 1) json += ',';
    json += EntryJson(entry);
  }
  return json + "]";
}

std::string RunMessage(const Report& report) {
  std::string message;
  for (const ReportEntry& entry : report) {
    if (IsStandardOutput(entry.kind) && entry.kind != kEchoLine &&
        entry.kind != kProgressNumbers) {
      message = ReportEntryText(entry);
    }
  }
  if (!message.empty() && message.back() == '\n') message.pop_back();
  return message;
}

std::string PreviewJson(const QuizPreview& preview) {
  std::string json = preview.fromTable ? "{\"table\":true,\"records\":["
                                       : "{\"table\":false,\"records\":[";
  std::size_t size = json.size() + 2;
  for (const PreviewRecord& record : preview.records) size += record.text.size() + 16;
  json.reserve(size);
  for (std::size_t k = 0; k < preview.records.size(); ++k) {
    const PreviewRecord& record = preview.records[k];
    if (k > 0) json += ',';
    json += '[';
    json += std::to_string(record.place);
    json += ',';
    json += JsonString(record.text);
    json += ',';
    json += std::to_string(static_cast<int>(record.finding));
    json += ']';
  }
  return json + "]}";
}
