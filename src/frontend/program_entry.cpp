#include "frontend/program_entry.h"

#ifdef _WIN32

#include <windows.h>

#include <string>
#include <vector>

int wmain(int argumentCount, wchar_t* arguments[]) {
  std::vector<std::string> utf8(static_cast<std::size_t>(argumentCount));
  std::vector<char*> pointers;
  for (int i = 0; i < argumentCount; ++i) {
    std::string& argument = utf8[static_cast<std::size_t>(i)];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, nullptr, 0, nullptr, nullptr);
    argument.resize(length > 0 ? static_cast<std::size_t>(length) : 1);
    WideCharToMultiByte(CP_UTF8, 0, arguments[i], -1, &argument[0], length, nullptr, nullptr);
    argument.resize(argument.size() - 1);
    pointers.push_back(&argument[0]);
  }
  pointers.push_back(nullptr);
  return RunProgram(argumentCount, pointers.data());
}

#else

int main(int argumentCount, char* arguments[]) { return RunProgram(argumentCount, arguments); }

#endif
