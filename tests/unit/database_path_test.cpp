#include "frontend/question_paths.h"

#include <gtest/gtest.h>

#include "files/sibling_path.h"

TEST(DeriveDatabasePathTest, KeepsTheFolderAndReplacesOnlyTheLastExtension) {
  const struct {
    const char* questionPath;
    const char* databasePath;
  } cases[] = {
      {"quiz.txt", "quiz.pdb"},
      {"quiz", "quiz.pdb"},
      {"quiz.", "quiz.pdb"},
      {"quiz.old.txt", "quiz.old.pdb"},
      {"Unit 3.1 vocabulary.txt", "Unit 3.1 vocabulary.pdb"},
      {"Mr. Smith quiz.txt", "Mr. Smith quiz.pdb"},
      {"dir.v2/quiz.txt", "dir.v2/quiz.pdb"},
      {".quiz", ".quiz.pdb"},
      {"quiz..txt", "quiz..pdb"},
      {"quiz.pdb", "quiz.pdb"},
      {"dir.old/quiz.txt", "dir.old/quiz.pdb"},
      {"./quiz.txt", "./quiz.pdb"},
      {"../quiz.txt", "../quiz.pdb"},
      {".quiz.txt", ".quiz.pdb"},
      {"dir/.quiz", "dir/.quiz.pdb"},
      {"./good.pdb", "./good.pdb"},
      {"C:\\Users\\first.last\\quiz.txt", "C:\\Users\\first.last\\quiz.pdb"},
      {"C:\\Users\\first.last\\Documents\\Year 7.b\\birds.txt",
       "C:\\Users\\first.last\\Documents\\Year 7.b\\birds.pdb"},
      {"C:quiz.txt", "C:quiz.pdb"},
      {"C:\\dir.v2\\quiz", "C:\\dir.v2\\quiz.pdb"},
      {"C:.quiz.txt", "C:.quiz.pdb"},
      {"a.b\\c.d/e.f.g", "a.b\\c.d/e.f.pdb"},
      {"dir.old/", "dir.old/.pdb"},
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

TEST(SiblingPathTest, AppendsTheGivenExtension) {
  EXPECT_EQ(SiblingPath("dir.old/quiz.pdb", ".txt"), "dir.old/quiz.txt");
  EXPECT_EQ(SiblingPath("quiz", ".txt"), "quiz.txt");
  EXPECT_EQ(SiblingPath("Unit 3.1.pdb", ".txt"), "Unit 3.1.txt");
}
