// The console dialogue that both programs run around their one piece of work:
// a fixed block of texts, the argument check, the work on the one argument,
// and a pause for one character (Enter) before the process ends, so that a
// console window opened by dragging a file onto the program stays readable.
//
// The exit status tells how the run ended:
//   0  the work was done completely;
//   1  it stopped with one of its messages;
//   2  the command line did not hold exactly one argument (the usage text is
//      then shown a second time and nothing else happens).
#ifndef QDCONV_FRONTEND_CONSOLE_DIALOGUE_H_
#define QDCONV_FRONTEND_CONSOLE_DIALOGUE_H_

// Print |introduction| and |usage|, run |work| on the one argument of
// |arguments| (|argumentCount| counting the command name), pause, and return
// the exit status. |work| prints its own messages and returns whether it was
// done completely.
int RunConsoleDialogue(int argumentCount, char* arguments[], const char* introduction,
                       const char* usage, bool (*work)(const char* argument));

#endif  // QDCONV_FRONTEND_CONSOLE_DIALOGUE_H_
