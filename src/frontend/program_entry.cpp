#include "frontend/program_entry.h"

#ifdef _WIN32

#include <string>
#include <vector>

#include "files/wtf8.h"

int wmain(int argumentCount, wchar_t* arguments[]) {
  std::vector<std::string> wtf8;
  std::vector<char*> pointers;
  for (int i = 0; i < argumentCount; ++i) {
    const std::wstring wide = arguments[i];
    wtf8.push_back(Wtf8OfUtf16(std::u16string(wide.begin(), wide.end())));
  }
  for (std::string& argument : wtf8) pointers.push_back(&argument[0]);
  pointers.push_back(nullptr);
  return RunProgram(argumentCount, pointers.data());
}

#else

int main(int argumentCount, char* arguments[]) { return RunProgram(argumentCount, arguments); }

#endif
