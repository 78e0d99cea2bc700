#include "platform/Platform.h"

#include "model/AtomicFile.h"
#include "support/FinishedProcess.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <chrono>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#else
#include <windows.h>
#endif

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

TEST(Platform, TellsARunningProcessFromADeadOne) {
    EXPECT_TRUE(platform::processIsRunning(platform::currentProcessId()));
    const int dead = test::finishedProcessId();
    ASSERT_GT(dead, 0);
    EXPECT_FALSE(platform::processIsRunning(dead));
    EXPECT_FALSE(platform::processIsRunning(0));
    EXPECT_FALSE(platform::processIsRunning(-4));
#ifndef _WIN32
    // Killed but not yet collected by its parent: dead all the same.
    const pid_t zombie = fork();
    if (zombie == 0) _exit(0);
    ASSERT_GT(zombie, 0);
    for (int i = 0; i < 2000 && platform::processIsRunning(zombie); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_FALSE(platform::processIsRunning(zombie));
    int status = 0;
    waitpid(zombie, &status, 0);
#endif
}

// The rename at the end fails: the old file stays and no temporary file is left.
TEST(Platform, AReplaceThatFailsAtTheRenameLeavesTheOldFile) {
    test::TempDir temp;
    const fs::path target = temp.path() / "form.ozf";
#ifdef _WIN32
    // Another program holds the file open without letting it be replaced.
    std::ofstream(target) << "old";
    HANDLE held = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(platform::replaceFileDurably(target, "new"));
    ::CloseHandle(held);
#else
    // A folder in the file's place cannot be renamed over.
    fs::create_directory(target);
    std::ofstream(target / "inside") << "old";
    EXPECT_EQ(platform::replaceFileDurably(target, "new"), std::errc::is_a_directory);
#endif
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(temp.path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
    std::string bytes;
    EXPECT_TRUE(readFileBytes(fs::is_directory(target) ? target / "inside" : target, bytes).ok());
    EXPECT_EQ(bytes, "old");
}

TEST(Platform, FileNamesInAnyScriptWork) {
    test::TempDir temp;
    const fs::path file = temp.path() / fs::path(u8"Fòrm ünïcode ω.ozf");
    ASSERT_TRUE(writeFileAtomically(file, "x").ok());
    std::string bytes;
    ASSERT_TRUE(readFileBytes(file, bytes).ok());
    EXPECT_EQ(bytes, "x");
    EXPECT_EQ(fs::directory_iterator(temp.path())->path().filename(), file.filename());
}

TEST(Platform, UserFoldersFollowTheSystemsConvention) {
#ifndef _WIN32
    EXPECT_EQ(platform::xdgFolder("/x", "/h", ".config"), fs::path("/x"));
    EXPECT_EQ(platform::xdgFolder("x", "/h", ".config"), fs::path("/h") / ".config");
    EXPECT_EQ(platform::xdgFolder(nullptr, "", ".config"), fs::path());
#else
    EXPECT_EQ(platform::userConfigFolder(), fs::path(::_wgetenv(L"APPDATA")));
    EXPECT_EQ(platform::userStateFolder(), fs::path(::_wgetenv(L"LOCALAPPDATA")));
#endif
    EXPECT_TRUE(fs::is_directory(platform::programFolder()));
}

} // namespace
} // namespace ornadeck
