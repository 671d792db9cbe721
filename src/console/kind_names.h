// The names the console gives kinds of document and text encodings in its
// messages and hints.
#ifndef QDCONV_CONSOLE_KIND_NAMES_H_
#define QDCONV_CONSOLE_KIND_NAMES_H_

#include "charset/text_encoding.h"
#include "conversion/document_kind.h"

// "an RTF document", ...; "" for kPlainText.
const char* DocumentKindName(DocumentKind kind);

// "UTF-8", "UTF-16" or "Mac OS Roman" for the encodings that are decoded;
// "" otherwise.
const char* TextEncodingName(TextEncoding encoding);

#endif  // QDCONV_CONSOLE_KIND_NAMES_H_
