#include "base/FileUtils.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>
#include <string>
#include <vector>

TEST(FileUtils, MakePathCreatesEveryMissingLevelWithGroupPermissions) {
    TempDir dir;
    const mode_t previousMask = umask(0);
    EXPECT_TRUE(makePath(dir / "a/b/c/"));
    EXPECT_TRUE(makePath(dir / "a/b/c"));  // already there
    umask(previousMask);
    EXPECT_TRUE(isDirectory(dir / "a/b/c"));
    struct stat info;
    ASSERT_EQ(stat((dir / "a/b").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0770u);

    writeWholeFile(dir / "file", "x");
    EXPECT_FALSE(makePath(dir / "file/sub") || createDirectory(dir / "file") || makePath(""));
}

TEST(FileUtils, WriteStringToFileReplacesContentAndRemoveTakesFilesOrTrees) {
    TempDir dir;
    EXPECT_TRUE(writeStringToFile(dir / "f.txt", "first"));
    EXPECT_TRUE(writeStringToFile(dir / "f.txt", std::string("second\0x", 8)));
    EXPECT_EQ(readWholeFile(dir / "f.txt"), std::string("second\0x", 8));
    EXPECT_FALSE(writeStringToFile(dir / "missing/f.txt", "x"));

    makePath(dir / "t/u");
    writeWholeFile(dir / "t/u/f", "x");
    for (const char* path : {"t", "f.txt", "never-there"}) {
        EXPECT_TRUE(removeFileOrTree(dir / path)) << path;
        EXPECT_FALSE(fileExists(dir / path)) << path;
    }
}

TEST(FileTree, CopiesTheTreeReportingProgressAndCountsItsBytes) {
    TempDir dir;
    makePath(dir / "src/b/deep");
    makePath(dir / "src/a");
    writeWholeFile(dir / "src/top.txt", std::string(1000, 't'));
    writeWholeFile(dir / "src/a/one", std::string(3000, '1'));
    writeWholeFile(dir / "src/b/deep/two", std::string(6000, '2'));
    writeWholeFile(dir / "src/b/empty", "");
    writeWholeFile(dir / "dst/top.txt", "old");  // replaced
    std::vector<std::wstring> progress;
    EXPECT_TRUE(copyFiles(dir / "src", dir / "dst", [&](const std::wstring& text) { progress.push_back(text); }));
    EXPECT_EQ(readWholeFile(dir / "dst/top.txt"), std::string(1000, 't'));
    EXPECT_EQ(readWholeFile(dir / "dst/b/deep/two"), std::string(6000, '2'));
    EXPECT_TRUE(fileExists(dir / "dst/b/empty"));
    EXPECT_EQ(countFileSize(dir / "dst"), 10000u);
    EXPECT_EQ(countFileSize(dir / "nothing"), 0u);

    // Files are copied in name order: a/one (3000 bytes) is the first 30 %.
    ASSERT_GE(progress.size(), 2u);
    EXPECT_EQ(progress.front() + progress.back(), L"Copying files: 0%Copying files: 100%");
    EXPECT_NE(std::find(progress.begin(), progress.end(), L"Copying files: 30%"), progress.end());
    EXPECT_FALSE(copyFiles(dir / "nothing", dir / "dst2"));
}
