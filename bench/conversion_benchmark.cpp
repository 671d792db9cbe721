// How close a conversion comes to the cost of the I/O it cannot avoid.
//
// Both benchmarks work on generated question files of 3000 record lines of
// 200 characters: one in ASCII, one in UTF-8 with an accented letter in every
// sixteen (213 bytes a line), one in UTF-8 with every letter accented (400
// bytes a line). BM_Conversion runs qdconv's work on a file with its console sent
// to /dev/null; BM_UnavoidableIo only reads the question file once and writes
// as many bytes as its database has to a temporary file, in 64 KiB blocks,
// flushes it to the disk and renames it over the database, then flushes the
// folder, as the converter does. The results, and the ratio of their medians
// for each file, go to standard error.
//
// BM_EncodingDecision times deciding the encoding alone, on the bytes of each
// file and on 3000 lines of 8-bit text, Western (code page 1252, which
// converts too) and Central European (1250, whose letters stop a conversion),
// where the code page is guessed from the words; its share of a conversion
// goes to standard error as well.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "charset/encoding_guess.h"
#include "frontend/convert_file.h"
#include "frontend/recover_file.h"

namespace {

const int kRecordLines = 3000;
const int kRecordLength = 200;  // characters; what the database stores

struct QuestionFile {
  std::string questionPath;
  std::string databasePath;
  std::size_t databaseSize;
};

QuestionFile files[4];  // ASCII, one letter in 16 accented, every letter, ANSI
// The bytes of each file, and of an 8-bit Central European one.
std::string texts[5];

void WriteQuestionFile(const char* folder, const char* name, int accentedEvery,
                       QuestionFile& file) {
  file.questionPath = std::string(folder) + "/" + name + ".txt";
  file.databasePath = std::string(folder) + "/" + name + ".pdb";
  std::FILE* question = std::fopen(file.questionPath.c_str(), "wb");
  std::fputs("Benchmark\n", question);
  for (int line = 0; line < kRecordLines; ++line) {
    std::string text;
    for (int i = 0; i < kRecordLength; ++i) {
      if (accentedEvery > 0 && i % accentedEvery == 0) {
        text += "\xC3\xA9";  // U+00E9, one byte on the handheld
      } else {
        text += static_cast<char>('!' + (line + i) % 90);
      }
    }
    if (line + 1 < kRecordLines) text += '\n';
    std::fputs(text.c_str(), question);
  }
  std::fclose(question);
  file.databaseSize = 80 + 25 * kRecordLines + kRecordLines * kRecordLength;
}

void WriteQuestionFiles() {
  char folder[] = "/tmp/qdconvbenchXXXXXX";
  if (!mkdtemp(folder)) std::abort();
  WriteQuestionFile(folder, "ascii", 0, files[0]);
  WriteQuestionFile(folder, "utf8", 16, files[1]);
  WriteQuestionFile(folder, "accented", 1, files[2]);
  // 8-bit text, words as a teacher writes them.
  const char* const western = "O\xF9 est la for\xEAt pr\xE8s du ch\xE2teau d'\xE9t\xE9 ? ";
  const char* const central = "Jak si\xEA masz, dzi\xEAkuj\xEA bardzo, g\xEA\x9C i \xBF\xF3\xB3w ";
  for (int k = 3; k < 5; ++k) {
    std::string& text = texts[k];
    text = "Benchmark";
    for (int line = 0; line < kRecordLines; ++line) {
      std::string record;
      while (record.size() < static_cast<std::size_t>(kRecordLength)) {
        record += k == 3 ? western : central;
      }
      text += "\n" + record.substr(0, kRecordLength);
    }
  }
  files[3].questionPath = std::string(folder) + "/ansi.txt";
  files[3].databasePath = std::string(folder) + "/ansi.pdb";
  files[3].databaseSize = 80 + 25 * kRecordLines + kRecordLines * kRecordLength;
  std::FILE* ansi = std::fopen(files[3].questionPath.c_str(), "wb");
  std::fwrite(texts[3].data(), 1, texts[3].size(), ansi);
  std::fclose(ansi);
  for (int k = 0; k < 3; ++k) {
    std::FILE* file = std::fopen(files[k].questionPath.c_str(), "rb");
    char block[1 << 16];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) {
      texts[k].append(block, got);
    }
    std::fclose(file);
  }
}

// Close |file| once what it holds is on the disk.
void CloseFlushed(std::FILE* file) {
  std::fflush(file);
  fsync(fileno(file));
  std::fclose(file);
}

// Flush the folder that holds |path|, which a rename changed.
void FlushFolderOf(const std::string& path) {
  const int folder = open(path.substr(0, path.rfind('/')).c_str(), O_RDONLY | O_DIRECTORY);
  fsync(folder);
  close(folder);
}

const CommandLine kBesideTheFile = PlainCommandLine();

void BM_Conversion(benchmark::State& state) {
  const QuestionFile& file = files[state.range(0)];
  FileWorkDone done;
  for (auto _ : state) ConvertFile(file.questionPath.c_str(), kBesideTheFile, "", done);
}
BENCHMARK(BM_Conversion)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond)->Repetitions(15)
    ->ReportAggregatesOnly();

void BM_UnavoidableIo(benchmark::State& state) {
  const QuestionFile& file = files[state.range(0)];
  static unsigned char block[1 << 16];
  for (auto _ : state) {
    std::FILE* question = std::fopen(file.questionPath.c_str(), "rb");
    while (std::fread(block, 1, sizeof block, question) > 0) {
    }
    std::fclose(question);
    const std::string temporary = file.databasePath + ".tmp";
    std::FILE* database = std::fopen(temporary.c_str(), "wb");
    for (std::size_t left = file.databaseSize; left > 0;) {
      const std::size_t size = std::min(left, sizeof block);
      std::fwrite(block, 1, size, database);
      left -= size;
    }
    CloseFlushed(database);
    std::rename(temporary.c_str(), file.databasePath.c_str());
    FlushFolderOf(file.databasePath);
  }
}
BENCHMARK(BM_UnavoidableIo)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->Repetitions(15)
    ->ReportAggregatesOnly();

// The way back, on a copy of the ASCII file's database: qdtext's run against
// reading the database and writing as many bytes as its question file has.
std::string wayBackPath;    // the database
std::string recoveredPath;  // the question file written beside it

void BM_EncodingDecision(benchmark::State& state) {
  const std::string& text = texts[state.range(0)];
  for (auto _ : state) {
    EncodingDecision decision = DecideTextEncoding(
        reinterpret_cast<const unsigned char*>(text.data()), text.size(), WesternMachine());
    benchmark::DoNotOptimize(decision);
  }
}
BENCHMARK(BM_EncodingDecision)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)->ReportAggregatesOnly();

void BM_Recovery(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::remove(recoveredPath.c_str());
    state.ResumeTiming();
    FileWorkDone done;
    RecoverFile(wayBackPath.c_str(), kBesideTheFile, "", done);
  }
}
BENCHMARK(BM_Recovery)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly();

void BM_RecoveryIo(benchmark::State& state) {
  static unsigned char block[1 << 16];
  const std::size_t questionSize = 10 + 201 * kRecordLines - 1;
  for (auto _ : state) {
    std::FILE* database = std::fopen(wayBackPath.c_str(), "rb");
    while (std::fread(block, 1, sizeof block, database) > 0) {
    }
    std::fclose(database);
    std::FILE* question = std::fopen(recoveredPath.c_str(), "wb");
    for (std::size_t left = questionSize; left > 0;) {
      const std::size_t size = std::min(left, sizeof block);
      std::fwrite(block, 1, size, question);
      left -= size;
    }
    CloseFlushed(question);
    FlushFolderOf(recoveredPath);
  }
}
BENCHMARK(BM_RecoveryIo)->Unit(benchmark::kMicrosecond)->Repetitions(15)->ReportAggregatesOnly();

// Keeps each benchmark's median time per iteration for the ratio.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        medians[run.run_name.function_name + "/" + run.run_name.args] =
            run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> medians;
};

}  // namespace

int main(int argc, char** argv) {
  // Repetitions of the two benchmarks alternate, so that drift in the
  // machine's speed falls on both alike.
  std::vector<char*> arguments(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  arguments.insert(arguments.begin() + 1, interleave);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  WriteQuestionFiles();
  if (!std::freopen("/dev/null", "w", stdout)) return 1;
  FileWorkDone done;
  ConvertFile(files[0].questionPath.c_str(), kBesideTheFile, "", done);
  const std::string folder = files[0].questionPath.substr(0, files[0].questionPath.rfind('/'));
  wayBackPath = folder + "/way_back.pdb";
  recoveredPath = folder + "/way_back.txt";
  std::rename(files[0].databasePath.c_str(), wayBackPath.c_str());
  MedianReporter reporter;
  reporter.SetOutputStream(&std::cerr);
  reporter.SetErrorStream(&std::cerr);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const char* names[5] = {"ASCII", "UTF-8, one letter in 16 accented",
                          "UTF-8, every letter accented", "ANSI (1252), Western words",
                          "ANSI (1250), Central European words"};
  for (int k = 0; k < 5; ++k) {
    // The 1250 file stops at its first Polish letter: its share is of the
    // 1252 file's conversion.
    const double whole = reporter.medians["BM_Conversion/" + std::to_string(k < 4 ? k : 3)];
    const double decision = reporter.medians["BM_EncodingDecision/" + std::to_string(k)];
    if (whole > 0) {
      std::cerr << names[k] << ": deciding the encoding / conversion (medians): "
                << decision / whole << "\n";
    }
  }
  for (int k = 0; k < 4; ++k) {
    const std::string arg = std::to_string(k);
    const double conversion = reporter.medians["BM_Conversion/" + arg];
    const double io = reporter.medians["BM_UnavoidableIo/" + arg];
    if (io > 0) {
      std::cerr << names[k] << ": conversion / unavoidable I/O (medians): " << conversion / io
                << "\n";
    }
    std::remove(files[k].databasePath.c_str());
    std::remove(files[k].questionPath.c_str());
  }
  const double recovery = reporter.medians["BM_Recovery/"];
  const double recoveryIo = reporter.medians["BM_RecoveryIo/"];
  if (recoveryIo > 0) {
    std::cerr << "way back: recovery / unavoidable I/O (medians): " << recovery / recoveryIo
              << "\n";
  }
  std::remove(recoveredPath.c_str());
  std::remove(wayBackPath.c_str());
  return 0;
}
