#include "model/AtomicFile.h"

#include "support/TempDir.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ornadeck {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public testing::Test {
  protected:
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string contents(const fs::path& path) {
        std::string out;
        EXPECT_TRUE(readFileBytes(path, out).ok());
        return out;
    }

    test::TempDir temp_;

    const fs::path dir_ = temp_.path();
};

TEST_F(AtomicFileTest, ReplacesContentFullyAndLeavesNoTempFile) {
    const fs::path target = dir_ / "form.ozf";
    std::string big(300000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(writeFileAtomically(target, big).ok());
    EXPECT_EQ(contents(target), big);
    const std::string shorter("short\0binary\xFF", 13);
    ASSERT_TRUE(writeFileAtomically(target, shorter).ok());
    EXPECT_EQ(contents(target), shorter);
    EXPECT_EQ(entries(), std::vector<std::string>{"form.ozf"});
}

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
TEST_F(AtomicFileTest, KeepsPermissionsOfExistingFile) {
    const fs::path target = dir_ / "settings.ini";
    ASSERT_TRUE(writeFileAtomically(target, "a").ok());
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileAtomically(target, "b").ok());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#else
TEST_F(AtomicFileTest, KeepsPermissionsOfExistingFile) { GTEST_SKIP() << "needs POSIX"; }
#endif

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
TEST_F(AtomicFileTest, ReadOnlyFolderFailsAndKeepsOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    const fs::path target = dir_ / "form.ozf";
    ASSERT_TRUE(writeFileAtomically(target, "old").ok());
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);

    const Status status = writeFileAtomically(target, "new");
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "Cannot write " + target.string() + ": Permission denied");
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"form.ozf"});
}
#else
TEST_F(AtomicFileTest, ReadOnlyFolderFailsAndKeepsOldFile) { GTEST_SKIP() << "needs POSIX"; }
#endif

#ifndef _WIN32 // file modes, pipes, signals and processes as POSIX has them
// A file-size limit makes the disk take only part of the text, even for root: the save
// must fail, remove its temporary file and leave the old file as it was.
TEST_F(AtomicFileTest, ShortWriteFailsAndKeepsOldFile) {
    const fs::path target = dir_ / "form.ozf";
    ASSERT_TRUE(writeFileAtomically(target, "old").ok());
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Status status = writeFileAtomically(target, std::string(1000, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "Cannot write " + target.string() + ": File too large");
    EXPECT_EQ(contents(target), "old");
    EXPECT_EQ(entries(), std::vector<std::string>{"form.ozf"});
}
#else
TEST_F(AtomicFileTest, ShortWriteFailsAndKeepsOldFile) { GTEST_SKIP() << "needs POSIX"; }
#endif

TEST_F(AtomicFileTest, MissingFolderFails) {
    const fs::path target = dir_ / "missing" / "form.ozf";
    const Status status = writeFileAtomically(target, "new");
    EXPECT_EQ(status.message(), "Cannot write " + target.string() + ": No such file or directory");
    EXPECT_TRUE(entries().empty());
}

TEST_F(AtomicFileTest, FolderAsTargetFailsAndSurvives) {
    const fs::path target = dir_ / "form.ozf";
    fs::create_directory(target);
    std::ofstream(target / "inside") << "kept";

    const Status status = writeFileAtomically(target, "new");
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.message().find(target.string()), std::string::npos) << status.message();
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_EQ(contents(target / "inside"), "kept");
    EXPECT_EQ(entries(), std::vector<std::string>{"form.ozf"});
}

TEST_F(AtomicFileTest, ReadRefusesWhatIsNotARegularFile) {
    std::string out;
    const fs::path missing = dir_ / "none.ini";
    EXPECT_EQ(readFileBytes(missing, out).message(),
              "Cannot read " + missing.string() + ": No such file or directory");
    EXPECT_EQ(readFileBytes(dir_, out).message(),
              "Cannot read " + dir_.string() + ": Is a directory");

#ifndef _WIN32
    // A pipe would block a plain read forever.
    const fs::path pipe = dir_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(readFileBytes(pipe, out).message(),
              "Cannot read " + pipe.string() + ": not a regular file");
#endif
}

} // namespace
} // namespace ornadeck
