// The names the console gives kinds of document and text encodings in its
// messages and hints.
#ifndef QDCONV_CONSOLE_KIND_NAMES_H_
#define QDCONV_CONSOLE_KIND_NAMES_H_

#include "charset/text_encoding.h"
#include "conversion/document_kind.h"

// "an RTF document", ...; "" for kPlainText.
const char* DocumentKindName(DocumentKind kind);

// "UTF-8", "UTF-16", "Mac OS Roman", "Windows-1250" ... for the encodings
// that are decoded; "" for bytes as they are.
const char* TextEncodingName(TextEncoding encoding);

// What a code page is for and its name, as a teacher's editor offers it:
// "Western (Windows-1252)", "Central European (Windows-1250)" ...
const char* CodePageDescription(TextEncoding encoding);

// The name --encoding takes for |encoding|: "windows-1250", "cp850" ...
const char* EncodingOptionName(TextEncoding encoding);

#endif  // QDCONV_CONSOLE_KIND_NAMES_H_
