// Text for the console, shown as typed. A Windows console shows bytes in its
// own code page (850 in much of Western Europe), which is neither the ANSI
// code page nor UTF-8, so text written there as bytes loses its letters; it
// goes instead through the console's wide call (WriteConsoleW), as UTF-16.
// Redirected to a file or a pipe, and on every other system, the bytes go
// out unchanged: a script gets what it always got.
//
// Nothing written to a terminal or a console may drive it: there, a control
// character from a file's contents or name (ESC, CR, a backspace) is shown
// as cat -v shows it, "^[" for ESC, instead of being obeyed. Line feeds and
// tabs pass. A terminal gets the text in UTF-8, as it shows letters.
#ifndef QDCONV_CONSOLE_CONSOLE_TEXT_H_
#define QDCONV_CONSOLE_CONSOLE_TEXT_H_

#include <cstdio>
#include <string>

// Whether |stream| (stdout or stderr) is a Windows console. Always false on
// other systems.
bool IsWindowsConsole(std::FILE* stream);

// |text| with every control character but line feed and tab made visible:
// C0 characters as "^@" to "^_", DEL as "^?", and the C1 characters
// U+0080 to U+009F (as UTF-8, or as lone bytes 0x80 to 0x9F) as "M-^@" to
// "M-^_". Every other byte is kept as it is.
std::string VisibleControlCharacters(const std::string& text);

// Write |utf8| to |stream|: on a Windows console as UTF-16, after what the
// stream holds buffered; on another terminal as UTF-8; anywhere else as
// |bytes| (|utf8| itself when null). On a terminal or a console, control
// characters are made visible first.
void WriteConsoleText(std::FILE* stream, const std::string& utf8,
                      const std::string* bytes = nullptr);

#endif  // QDCONV_CONSOLE_CONSOLE_TEXT_H_
