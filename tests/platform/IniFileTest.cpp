// The INI file: defaults, case-insensitive names, and writes that keep every other line.
#include "platform/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/ScratchFolder.h"

namespace kinshelf::platform {
namespace {

TEST(IniFileTest, MissingFileGivesDefaults) {
  test::ScratchFolder folder;
  IniFile ini(folder.Path("none.ini"));
  EXPECT_EQ(ini.ReadString("General", "UseLDS", "F"), "F");
}

TEST(IniFileTest, NamesMatchWithoutRegardToCase) {
  test::ScratchFolder folder;
  IniFile ini(folder.WriteFile("a.ini", "[general]\r\n  useLDS =  T  \r\n[Other]\r\nUseLDS=X\r\n"));
  EXPECT_EQ(ini.ReadString("GENERAL", "UseLds", "F"), "T");
  EXPECT_EQ(ini.ReadString("other", "uselds", "F"), "X");
  EXPECT_EQ(ini.ReadString("General", "Missing", "dflt"), "dflt");
}

TEST(IniFileTest, WritesKeepCommentsAndUnknownKeys) {
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("a.ini",
                                            "; kept comment\n[General]\nUnknown=1\nFontSize=8\n\n"
                                            "[Foreign]\nKeep=me\n");
  IniFile ini(path);
  ini.WriteString("general", "fontsize", "12");
  ini.WriteString("General", "Added", "yes");
  ini.WriteString("Kinshelf", "FontZoom", "9");
  ini.Save();
  EXPECT_EQ(test::ReadFile(path),
            "; kept comment\n[General]\nUnknown=1\nFontSize=12\nAdded=yes\n\n[Foreign]\nKeep=me\n\n"
            "[Kinshelf]\nFontZoom=9\n");
  IniFile again(path);
  EXPECT_EQ(again.ReadString("Kinshelf", "FontZoom", ""), "9");
}

TEST(IniFileTest, EveryLineBreakEndsALineSoValuesCanBeWrittenBack) {
  IniFile ini("a.ini", "[General]\rUseLDS=T\rFontSize=8\r\n[Kinshelf]\nFontZoom=9 x\ry=1");
  EXPECT_EQ(ini.ReadString("General", "UseLDS", "F"), "T");
  EXPECT_EQ(ini.ReadString("General", "FontSize", ""), "8");
  EXPECT_EQ(ini.ReadString("Kinshelf", "FontZoom", ""), "9 x");
  EXPECT_EQ(ini.ReadString("Kinshelf", "y", ""), "1");
  ini.WriteString("Kinshelf", "FontZoom", ini.ReadString("Kinshelf", "FontZoom", ""));
  EXPECT_EQ(ini.Text(), "[General]\nUseLDS=T\nFontSize=8\n[Kinshelf]\nFontZoom=9 x\ny=1\n");
}

// A byte order mark some editors put first belongs to no line: the first section is read, and kept
// as the only one of its name.
TEST(IniFileTest, AByteOrderMarkHidesNoSection) {
  IniFile ini("a.ini", "\xEF\xBB\xBF[General]\nUseLDS=T\n");
  EXPECT_EQ(ini.ReadString("General", "UseLDS", "F"), "T");
  ini.WriteString("General", "FontSize", "9");
  EXPECT_EQ(ini.Text(), "[General]\nUseLDS=T\nFontSize=9\n");
}

// A file too large to be read again is not written: the settings could never be read again.
TEST(IniFileTest, AFileTooLargeToReadAgainIsNotWritten) {
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("a.ini", "[General]\nKey=small\n");
  IniFile ini(path);
  ini.WriteString("General", "Key", std::string(IniFile::kSizeLimit, 'x'));
  EXPECT_THROW(ini.Save(), std::runtime_error);
  EXPECT_EQ(test::ReadFile(path), "[General]\nKey=small\n");
}

TEST(IniFileTest, RefusesLineBreaksThatWouldCorruptTheFile) {
  test::ScratchFolder folder;
  IniFile ini(folder.Path("a.ini"));
  EXPECT_THROW(ini.WriteString("General", "Key", "two\nlines"), std::invalid_argument);
  EXPECT_THROW(ini.WriteString("General", "K=ey", "v"), std::invalid_argument);
  EXPECT_THROW(ini.WriteString("Gen]eral", "Key", "v"), std::invalid_argument);
}

TEST(IniFileTest, SaveKeepsThePermissionsOfTheFile) {
  test::ScratchFolder folder;
  const std::string path = folder.WriteFile("a.ini", "[General]\n");
  chmod(path.c_str(), 0600);
  IniFile ini(path);
  ini.WriteString("General", "Key", "v");
  ini.Save();
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(IniFileTest, SaveIntoAMissingFolderNamesTheFile) {
  test::ScratchFolder folder;
  IniFile ini(folder.Path("no/such/a.ini"));
  ini.WriteString("General", "Key", "v");
  try {
    ini.Save();
    FAIL() << "saving into a missing folder succeeded";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("a.ini"), std::string::npos);
  }
}

}  // namespace
}  // namespace kinshelf::platform
