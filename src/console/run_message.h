// The message a run of either program ends with: its summary, or the reason
// it stopped. It goes to standard output like every other text of the run,
// and the last one is kept as well, for a caller that shows it elsewhere than
// on a console (the web page).
#ifndef QDCONV_CONSOLE_RUN_MESSAGE_H_
#define QDCONV_CONSOLE_RUN_MESSAGE_H_

#if defined(__GNUC__)
#define QDCONV_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define QDCONV_PRINTF_FORMAT
#endif

// Print the message |format| makes, as printf would; keep it.
void PrintRunMessage(const char* format, ...) QDCONV_PRINTF_FORMAT;

// PrintRunMessage, then false: for a run that stops with the message.
bool StopWithMessage(const char* format, ...) QDCONV_PRINTF_FORMAT;

// The last message printed, without its line feed; "" before the first. At
// most 255 bytes of it are kept.
const char* LastRunMessage();

#endif  // QDCONV_CONSOLE_RUN_MESSAGE_H_
