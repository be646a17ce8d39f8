// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "paths/path_helpers.h"

namespace {
// Every case holds with "\" as written and again with "/" in its place.
std::string Slashed(std::string text) {
  for (char& c : text)
    if (c == '\\') c = '/';
  return text;
}

struct SplitCase {
  const char* Text;
  const char* First;
  const char* Second;
};

const SplitCase kSplitPath[] = {
    {"C:\\Graphs\\z1.jpg", "C:\\Graphs", "z1.jpg"},
    {"z1.jpg", "", "z1.jpg"},
    {"C:\\", "C:", ""},
    {"C:\\a\\", "C:\\a", ""},
    {"\\x", "", "x"},
    {"", "", ""},
};

const SplitCase kSplitExt[] = {
    {"a.b.txt", "a.b", "txt"},
    {"(1.5+i)+(2).jpg", "(1.5+i)+(2)", "jpg"},
    {".txt", "", "txt"},
    {"Graphs", "Graphs", ""},
    {"C:\\my.files\\x.bmp", "C:\\my.files\\x", "bmp"},
    {"C:\\my.files\\x", "C:\\my.files\\x", ""},
    {"x.", "x", ""},
};

const SplitCase kFolderOf[] = {
    // text, folder, (unused)
    {"C:\\a\\b", "C:\\a\\", ""},
    {"C:\\a", "C:\\", ""},
    {"C:\\", "C:\\", ""},
    {"abc", "", ""},
    {"", "", ""},
};
}  // namespace

TEST(PathHelpers, SplitPathCutsAtTheLastSeparator) {
  for (const SplitCase& c : kSplitPath) {
    for (const std::string& text : {std::string(c.Text), Slashed(c.Text)}) {
      std::string folder = "stale", name = "stale";
      SplitPath(text, folder, name);
      const bool slashed = text != c.Text;
      EXPECT_EQ(folder, slashed ? Slashed(c.First) : c.First) << text;
      EXPECT_EQ(name, c.Second) << text;
      EXPECT_EQ(FileNameOf(text), c.Second) << text;
    }
  }
}

TEST(PathHelpers, SplitPathKeepsAtMost255CharactersOfTheName) {
  const std::string longName(300, 'n');
  std::string folder, name;
  SplitPath("C:\\data\\" + longName, folder, name);
  EXPECT_EQ(folder, "C:\\data");
  EXPECT_EQ(name, std::string(255, 'n'));
  // Characters, not bytes: a name of 300 two-byte letters keeps 255 whole letters.
  std::string accented;
  for (int i = 0; i < 300; ++i) accented += "\xC3\xA9";  // é
  EXPECT_EQ(FileNameOf("/data/" + accented), accented.substr(0, 510));
}

TEST(PathHelpers, SplitExtLooksOnlyAfterTheLastSeparator) {
  for (const SplitCase& c : kSplitExt) {
    for (const std::string& text : {std::string(c.Text), Slashed(c.Text)}) {
      std::string name = "stale", ext = "stale";
      SplitExt(text, name, ext);
      const bool slashed = text != c.Text;
      EXPECT_EQ(name, slashed ? Slashed(c.First) : c.First) << text;
      EXPECT_EQ(ext, c.Second) << text;
      EXPECT_EQ(ExtOf(text), c.Second) << text;
    }
  }
  // The two separators mix: the later one counts.
  EXPECT_EQ(ExtOf("/home/me.d\\file"), "");
  EXPECT_EQ(ExtOf("C:\\my.d/file"), "");
}

TEST(PathHelpers, FolderOfKeepsTheLastSeparator) {
  for (const SplitCase& c : kFolderOf) {
    EXPECT_EQ(FolderOf(c.Text), c.First) << c.Text;
    EXPECT_EQ(FolderOf(Slashed(c.Text)), Slashed(c.First)) << c.Text;
  }
  EXPECT_EQ(FolderOf("/home/me"), "/home/");
  EXPECT_EQ(FolderOf("/"), "/");
}

TEST(PathHelpers, SlashesAndFinalSeparator) {
  EXPECT_EQ(WithSlashes("C:\\my.dir\\x.txt"), "C:/my.dir/x.txt");
  EXPECT_EQ(WithSlashes("/home/me\\tools/run.sh"), "/home/me/tools/run.sh");
  EXPECT_EQ(WithSlashes(""), "");
  const SplitCase kFinal[] = {
      {"/home/me/.local", "/home/me/.local/", ""},
      {"/home/me/my.dir/", "/home/me/my.dir/", ""},
      {"C:\\data.v2", "C:\\data.v2/", ""},
      {"C:\\", "C:\\", ""},
      {"/", "/", ""},
      {"", "", ""},
  };
  for (const SplitCase& c : kFinal) EXPECT_EQ(WithFinalSeparator(c.Text, '/'), c.First) << c.Text;
  EXPECT_EQ(WithFinalSeparator("C:\\data.v2", '\\'), "C:\\data.v2\\");
}
