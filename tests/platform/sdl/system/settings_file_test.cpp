// The settings file on disk: where it lives, reading what is there or is
// not, and writing it where no folder exists yet.
#include "platform/sdl/system/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "sdl_test_support.h"

namespace sb::sdltest {
namespace {

namespace fs = std::filesystem;
using sdl::FileSettingsStore;
using sdl::SettingsPathFor;

TEST(SettingsFile, LivesInTheXdgConfigFolderOrUnderHome) {
  EXPECT_EQ(SettingsPathFor("/cfg", "/home/a"), "/cfg/spacebattle/settings.ini");
  // Unset, empty or relative: the default under the home folder.
  EXPECT_EQ(SettingsPathFor(nullptr, "/home/a"), "/home/a/.config/spacebattle/settings.ini");
  EXPECT_EQ(SettingsPathFor("", "/home/a"), "/home/a/.config/spacebattle/settings.ini");
  EXPECT_EQ(SettingsPathFor("cfg", "/home/a"), "/home/a/.config/spacebattle/settings.ini");
  EXPECT_EQ(SettingsPathFor(nullptr, nullptr), "");
  EXPECT_EQ(SettingsPathFor("", ""), "");
}

TEST(SettingsFile, IsWrittenWithItsFoldersAndReadBack) {
  ScratchFolder folder;
  FileSettingsStore store(folder.File("deep/spacebattle/settings.ini"));
  EXPECT_EQ(store.ReadSettings().result, SettingsRead::Result::Missing);
  EXPECT_EQ(store.WriteSettings("[sound]\nvolume = 3\n"), "");
  EXPECT_EQ(store.WriteSettings("[sound]\nvolume = 4\n"), "");  // replaced whole
  const SettingsRead read = store.ReadSettings();
  EXPECT_EQ(read.result, SettingsRead::Result::Read);
  EXPECT_EQ(read.text, "[sound]\nvolume = 4\n");
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "deep/spacebattle"), {}), 1);
}

TEST(SettingsFile, WhatCannotBeReadOrWrittenSaysWhy) {
  ScratchFolder folder;
  // A folder where the file should be.
  fs::create_directories(folder.path() / "a/settings.ini");
  FileSettingsStore folderInPlace(folder.File("a/settings.ini"));
  SettingsRead read = folderInPlace.ReadSettings();
  EXPECT_EQ(read.result, SettingsRead::Result::Unreadable);
  EXPECT_EQ(read.problem, "not a file");
  EXPECT_NE(folderInPlace.WriteSettings("x"), "");

  // Far larger than a settings file.
  std::ofstream(folder.File("big.ini")) << std::string(FileSettingsStore::kLargestFile + 1, 'x');
  read = FileSettingsStore(folder.File("big.ini")).ReadSettings();
  EXPECT_EQ(read.result, SettingsRead::Result::Unreadable);
  EXPECT_NE(read.problem, "");

  // A file where its folder should be.
  std::ofstream(folder.File("plain")) << "x";
  FileSettingsStore underAFile(folder.File("plain/spacebattle/settings.ini"));
  EXPECT_NE(underAFile.WriteSettings("x").find("cannot make its folder"), std::string::npos);

  // No home folder at all: nothing to read, and writing says so.
  FileSettingsStore nowhere("");
  EXPECT_EQ(nowhere.ReadSettings().result, SettingsRead::Result::Missing);
  EXPECT_NE(nowhere.WriteSettings("x").find("no home folder"), std::string::npos);
}

}  // namespace
}  // namespace sb::sdltest
