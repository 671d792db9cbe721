// The pause at the end of a run, for a console window that a drop on the
// program opened and that would otherwise close before the teacher has read
// it. Only someone at an interactive terminal or console can answer it: with
// standard input a file, a pipe, a null device or closed, or with the process
// in the background of its terminal (POSIX), there is no pause and nothing
// is read, so a list that a script feeds on standard input stays whole for
// the next reader.
#ifndef QDCONV_CONSOLE_PAUSE_H_
#define QDCONV_CONSOLE_PAUSE_H_

// Whether standard input is an interactive terminal or console that this
// process may read (POSIX: the process is in the terminal's foreground).
bool IsInteractiveInput();

// Show "Press Enter to close." on the terminal itself (so that it shows even
// when standard output goes to a file) and wait until a line or the end of
// input comes. Everything printed before is flushed first.
void PauseForEnter();

#endif  // QDCONV_CONSOLE_PAUSE_H_
