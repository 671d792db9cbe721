#include "conversion/database_path.h"

#include <gtest/gtest.h>

TEST(DeriveDatabasePathTest, CutsAtTheFirstDotAndAppendsPdb) {
  const struct {
    const char* questionPath;
    const char* databasePath;
  } cases[] = {
      {"quiz.txt", "quiz.pdb"},
      {"quiz", "quiz.pdb"},
      {"quiz.", "quiz.pdb"},
      {"quiz.old.txt", "quiz.pdb"},
      {"quiz.pdb", "quiz.pdb"},
      {"dir.old/quiz.txt", "dir.pdb"},
      {"./quiz.txt", ".pdb"},
      {"C:\\My Quizzes\\birds.txt", "C:\\My Quizzes\\birds.pdb"},
      {"", ".pdb"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeriveDatabasePath(c.questionPath), c.databasePath) << c.questionPath;
  }
}

TEST(DeriveDatabasePathTest, KeepsPathsOfAnyLength) {
  const std::string longStem(5000, 'q');
  EXPECT_EQ(DeriveDatabasePath((longStem + ".txt").c_str()), longStem + ".pdb");
}
