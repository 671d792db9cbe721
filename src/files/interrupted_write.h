// What an interrupted run leaves of the file it was writing: nothing. When
// the process is told to end while a temporary file is being written
// (Ctrl-C, SIGTERM, a closed terminal, on Windows a closed console window or
// Ctrl-Break), the temporary file is removed before the process ends as the
// signal or event would end it; the file it would have replaced stays as it
// was. A signal that the process ignored when it started (SIGHUP under nohup)
// stays ignored. A killed process (SIGKILL, a power cut) can still leave a
// temporary file behind.
//
// One file is watched at a time. Its path is prepared before the write
// begins, so that the removal itself, which runs inside a signal handler,
// does nothing but the system's call to remove it.
#ifndef QDCONV_FILES_INTERRUPTED_WRITE_H_
#define QDCONV_FILES_INTERRUPTED_WRITE_H_

// Remove |path| (UTF-8) if the process is interrupted before ForgetOnInterrupt.
void RemoveOnInterrupt(const char* path);

// Stop watching the file: it was moved into place or removed.
void ForgetOnInterrupt();

// What the handlers do first: remove the watched file, if any. Safe in a
// signal handler.
void RemoveInterruptedFile();

#endif  // QDCONV_FILES_INTERRUPTED_WRITE_H_
