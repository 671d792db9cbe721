// The process entry of both programs. On Windows the process starts at a wide
// entry point, so that every file name on the command line arrives whole,
// names outside the ANSI code page included, and the program gets its
// arguments in UTF-8 (WTF-8 for a name that holds a lone surrogate:
// files/native_path.h); elsewhere they pass as the
// system gives them. The standard splitting of the command line into
// arguments is unchanged.
#ifndef QDCONV_FRONTEND_PROGRAM_ENTRY_H_
#define QDCONV_FRONTEND_PROGRAM_ENTRY_H_

// Defined by each program's entry file: the program, given its arguments.
int RunProgram(int argumentCount, char* arguments[]);

#endif  // QDCONV_FRONTEND_PROGRAM_ENTRY_H_
