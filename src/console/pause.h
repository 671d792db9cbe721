// The pause at the end of a run, for the one situation that needs it: a
// console window that Windows opened for this process alone (a file dropped
// onto the program, a double-click), which would close, and take the run's
// messages with it, the moment the process ends. A run started from cmd.exe,
// PowerShell, a batch file or a script shares its console with them and does
// not pause; nor does any run on another system, whatever its terminal, so a
// loop or a script never waits. Standard input is read only for the pause.
#ifndef QDCONV_CONSOLE_PAUSE_H_
#define QDCONV_CONSOLE_PAUSE_H_

// What the pause is decided on.
struct ConsoleSituation {
  bool windows;              // the Windows build
  bool inputIsConsole;       // standard input is a console that can answer
  unsigned long consoleProcesses;  // processes attached to the console (0: unknown)
};

// Whether the run ends with a pause: only on Windows, with standard input a
// console that this process alone is attached to.
bool IsPauseWanted(const ConsoleSituation& situation);

// The situation of this process now.
ConsoleSituation CurrentConsoleSituation();

// Show "Press Enter to close." on the console itself (so that it shows even
// when standard output goes to a file) and wait until a line or the end of
// input comes. Everything printed before is flushed first.
void PauseForEnter();

#endif  // QDCONV_CONSOLE_PAUSE_H_
