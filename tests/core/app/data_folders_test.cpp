#include "core/app/data_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace bulbicalc {
namespace {

namespace fs = std::filesystem;

class DataFoldersTest : public testing::Test {
protected:
    fs::path root;

    void SetUp() override
    {
        root = fs::temp_directory_path() /
               ("bulbicalc-folders-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root);
    }
    void TearDown() override { fs::remove_all(root); }
};

TEST_F(DataFoldersTest, ABuildKeepsEverythingBesideTheExecutable)
{
    fs::create_directories(root / "bin" / "Auxiliares");
    const DataFolders f = findDataFolders(root / "bin", root / "xdg", root / "home");
    EXPECT_EQ(f.data, root / "bin");
    EXPECT_EQ(f.writable, root / "bin");
    EXPECT_TRUE(fs::is_directory(root / "bin" / "Laudos"));
    EXPECT_FALSE(fs::exists(root / "xdg"));
}

TEST_F(DataFoldersTest, AnInstalledProgramReadsItsShareFolderWhereverItsPrefixIs)
{
    fs::create_directories(root / "prefix" / "bin");
    fs::create_directories(root / "prefix" / "share" / "bulbicalc" / "Auxiliares");
    const DataFolders f = findDataFolders(root / "prefix" / "bin", std::nullopt, root / "home");
    EXPECT_EQ(f.data, root / "prefix" / "share" / "bulbicalc");
    EXPECT_EQ(f.writable, f.data);
}

TEST_F(DataFoldersTest, WhatCannotBeWrittenBesideTheDataGoesToTheUsersDataFolder)
{
    const fs::path share = root / "prefix" / "share" / "bulbicalc";
    fs::create_directories(root / "prefix" / "bin");
    fs::create_directories(share / "Auxiliares");
    // A Laudos that is a file cannot hold the analysis file, whoever runs the
    // test (permission bits would not stop root).
    std::ofstream(share / "Laudos") << "x";
    const DataFolders withXdg = findDataFolders(root / "prefix" / "bin", root / "xdg", root / "home");
    EXPECT_EQ(withXdg.data, share);
    EXPECT_EQ(withXdg.writable, root / "xdg" / "bulbicalc");
    EXPECT_TRUE(fs::is_directory(root / "xdg" / "bulbicalc" / "Laudos"));
    const DataFolders withHome = findDataFolders(root / "prefix" / "bin", fs::path(), root / "home");
    EXPECT_EQ(withHome.writable, root / "home" / ".local" / "share" / "bulbicalc");
}

TEST_F(DataFoldersTest, AFolderWhereNothingCanBeCreatedIsNotWritable)
{
    // A file where the folder should be.
    std::ofstream(root / "taken") << "x";
    EXPECT_FALSE(canWriteInto(root / "taken"));
    EXPECT_TRUE(canWriteInto(root / "new" / "Laudos"));
    EXPECT_TRUE(fs::is_directory(root / "new" / "Laudos"));
    EXPECT_TRUE(fs::is_empty(root / "new" / "Laudos"));
}

} // namespace
} // namespace bulbicalc
