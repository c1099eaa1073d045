#include "core/classfolder/cleanup.h"
#include "core/classfolder/fileio.h"
#include "core/classfolder/history.h"
#include "core/classfolder/password.h"
#include "core/classfolder/roster.h"
#include "core/classfolder/studentnames.h"
#include "fileerrors.h"
#include "scratchfolder.h"
#include "skiponwindows.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>

static int link(const char* from, const char* to)
{
    return CreateHardLinkA(to, from, nullptr) ? 0 : -1;
}
#else
#include <sys/wait.h>
#endif

using namespace quorvex;

static size_t entriesInFolder()
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("."), {}));
}

TEST(FileIo, ReplaceFileWritesWholeContentsAndLeavesNoScratch)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("a.txt", "old\r\n").ok());
    ASSERT_TRUE(replaceFile("a.txt", Bytes("new \xf7\r\n")).ok());
    EXPECT_EQ(*readFile("a.txt"), "new \xf7\r\n");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileIo, ReplaceFileOverAFolderFailsAndKeepsIt)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("a.txt", 0755), 0);
    auto status = replaceFile("a.txt", "x");
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().file, "a.txt");
    EXPECT_NE(status.error().code, 0);
    EXPECT_FALSE(fileExists("a.txt"));
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileIo, CreateNewFileNeverOverwrites)
{
    ScratchFolder folder;
    ASSERT_TRUE(createNewFile("d1.txt", "first").ok());
    bool existed = false;
    auto second = createNewFile("d1.txt", "second", &existed);
    EXPECT_FALSE(second.ok());
    EXPECT_TRUE(existed);
    EXPECT_EQ(*readFile("d1.txt"), "first");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileIo, ANameTheFileSystemRefusesIsAnError)
{
    ScratchFolder folder;
    bool existed = true;
    auto status = createNewFile("no/such/folder.txt", "x", &existed);
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(existed);
    EXPECT_EQ(status.error().file, "no/such/folder.txt");
}

TEST(FileIo, FileExistsIsFalseForAFolder)
{
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("Guest1.txt", 0755), 0);
    EXPECT_FALSE(fileExists("Guest1.txt"));
    EXPECT_FALSE(readFile("Guest1.txt").ok());
}

// ---- What the program reads and writes in a shared class folder --------------------------

namespace {

enum class Hostile { Fifo, LinkToDevice, Folder, Oversized };

struct HostileCase {
    const char* name;
    Hostile kind;
    FileError reason; // for the roster and the password; a day may be larger
    FileError dayReason;
};

void putHostile(const std::string& name, Hostile kind, off_t oversize)
{
#ifndef _WIN32
    if (kind == Hostile::Fifo)
        ASSERT_EQ(::mkfifo(name.c_str(), 0644), 0);
    else if (kind == Hostile::LinkToDevice)
        ASSERT_EQ(::symlink("/dev/zero", name.c_str()), 0);
    else
#endif
        if (kind == Hostile::Folder)
        ASSERT_EQ(::mkdir(name.c_str(), 0755), 0);
    else
        std::filesystem::resize_file(name, static_cast<uintmax_t>(oversize)); // sparse, so quick
}

class HostileFile : public ::testing::TestWithParam<HostileCase> { };

FileError named(FileError error, Bytes file)
{
    error.file = std::move(file);
    return error;
}

} // namespace

TEST_P(HostileFile, IsReportedNamingTheFileAndNeverWaitedFor)
{
    const HostileCase& c = GetParam();
    if (c.kind == Hostile::Fifo || c.kind == Hostile::LinkToDevice)
        SKIP_ON_WINDOWS("no FIFOs, and no links to devices");
    ScratchFolder folder;
    if (c.kind == Hostile::Oversized) {
        ASSERT_TRUE(replaceFile(rosterFileName, "").ok());
        ASSERT_TRUE(replaceFile(passwordFileName, "").ok());
        ASSERT_TRUE(replaceFile("Ann1.txt", "").ok());
    }
    putHostile(rosterFileName, c.kind, off_t { 5 } << 20);
    putHostile(passwordFileName, c.kind, off_t { 5 } << 20);
    putHostile("Ann1.txt", c.kind, off_t { 65 } << 20);

    const auto roster = loadOrCreateRoster();
    ASSERT_FALSE(roster.ok());
    EXPECT_EQ(roster.error(), named(c.reason, rosterFileName));
    const auto password = readPasswordFile();
    ASSERT_FALSE(password.ok());
    EXPECT_EQ(password.error(), named(c.reason, passwordFileName));
    const auto day = loadDay("Ann", 1);
    ASSERT_FALSE(day.ok());
    EXPECT_EQ(day.error(), named(c.dayReason, "Ann1.txt"));
    // A roster that could not be read is never replaced by a change.
    EXPECT_FALSE(changeRoster({ { "Bob" }, {}, true, {} }).ok());
}

INSTANTIATE_TEST_SUITE_P(Kinds, HostileFile,
    ::testing::Values(
        HostileCase { "Fifo", Hostile::Fifo, { .why = Failure::NotRegularFile }, { .why = Failure::NotRegularFile } },
        HostileCase { "LinkToDevZero", Hostile::LinkToDevice, { .why = Failure::NotRegularFile },
            { .why = Failure::NotRegularFile } },
        HostileCase { "Folder", Hostile::Folder, { .code = EISDIR }, { .code = EISDIR } },
        HostileCase { "Oversized", Hostile::Oversized, { .why = Failure::TooLarge, .number = 4 },
            { .why = Failure::TooLarge, .number = 64 } }),
    [](const auto& info) { return info.param.name; });

#ifndef _WIN32
namespace {

mode_t modeOf(const char* name)
{
    struct stat info { };
    ::stat(name, &info);
    return info.st_mode & 07777;
}

class Umask {
public:
    explicit Umask(mode_t mask)
        : m_previous(::umask(mask))
    {
    }
    ~Umask() { ::umask(m_previous); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t m_previous;
};

} // namespace
#endif

TEST(FileModes, NewFilesFollowTheUmaskReplacedOnesKeepTheirModeThePasswordIsPrivate)
{
    SKIP_ON_WINDOWS("files take their folder's access rules, not modes");
#ifndef _WIN32
    ScratchFolder folder;
    Umask mask(027);
    ASSERT_TRUE(writeRoster({ guestName }).ok());
    EXPECT_EQ(modeOf("studnames.txt"), 0640u);
    ASSERT_TRUE(saveNextDay("Ann", {}).ok());
    EXPECT_EQ(modeOf("Ann1.txt"), 0640u);
    ASSERT_EQ(::chmod("studnames.txt", 0604), 0);
    ASSERT_TRUE(writeRoster({ guestName, "Ann" }).ok());
    EXPECT_EQ(modeOf("studnames.txt"), 0604u);

    bool existed = true;
    ASSERT_TRUE(createPasswordFile("Owl", &existed).ok());
    EXPECT_FALSE(existed);
    EXPECT_EQ(modeOf("password.txt"), 0600u);
    ASSERT_EQ(::chmod("password.txt", 0640), 0);
    ASSERT_TRUE(writePasswordFile("Owl2").ok());
    EXPECT_EQ(modeOf("password.txt"), 0640u);
#endif
}

TEST(CreatePasswordFile, APasswordSetMeanwhileIsNeverReplaced)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("password.txt", "Owl\r\n").ok());
    bool existed = false;
    EXPECT_FALSE(createPasswordFile("Cat", &existed).ok());
    EXPECT_TRUE(existed);
    EXPECT_EQ(readFile("password.txt").value(), "Owl\r\n");
}

TEST(SymbolicLinks, ARosterOrPasswordLinkIsWrittenThroughAndStaysALink)
{
    SKIP_ON_WINDOWS("symbolic links need an administrator, and a link is replaced, not followed");
#ifndef _WIN32
    ScratchFolder folder;
    ASSERT_EQ(::mkdir("shared", 0755), 0);
    ASSERT_TRUE(replaceFile("shared/names.txt", "Guest\r\n").ok());
    ASSERT_EQ(::symlink("shared/names.txt", "studnames.txt"), 0);
    ASSERT_EQ(::symlink("shared/secret.txt", "password.txt"), 0); // leads nowhere yet

    const auto written = changeRoster({ { "Ann" }, {}, true, {} });
    ASSERT_TRUE(written.ok());
    EXPECT_TRUE(std::filesystem::is_symlink("studnames.txt"));
    EXPECT_EQ(readFile("shared/names.txt").value(), "Guest\r\nAnn\r\n");

    const Status password = writePasswordFile("Owl");
    ASSERT_FALSE(password.ok());
    EXPECT_EQ(password.error().file, "password.txt");
    EXPECT_EQ(
        password.error(), (FileError { .file = "password.txt", .why = Failure::UnreachableLink, .code = ENOENT }));
    EXPECT_TRUE(std::filesystem::is_symlink("password.txt"));
#endif
}

// Where a roster link may lead. The class folder "class" is the working folder, reached
// through the link "via" or by its own name; beside it lie "classic", a folder whose name
// merely begins like it, and "outside". Every file a link may lead to holds Guest and Bob.
struct RosterLinkCase {
    const char* name;
    const char* workingFolder;
    const char* linkTarget; // "@" stands for the folder that holds them all
    const char* written; // the file written through the link, from the folder above; null: refused
};

class RosterLinks : public testing::TestWithParam<RosterLinkCase> { };

TEST_P(RosterLinks, AreWrittenThroughOnlyWithinTheClassFolder)
{
    SKIP_ON_WINDOWS("symbolic links need an administrator, and a link is replaced, not followed");
#ifndef _WIN32
    const RosterLinkCase& c = GetParam();
    ScratchFolder above;
    const std::filesystem::path top = std::filesystem::canonical(above.path());
    for (const char* folder : { "class", "class/shared", "classic", "outside" })
        ASSERT_EQ(::mkdir(folder, 0755), 0);
    for (const char* file : { "class/names.txt", "class/shared/names.txt", "classic/names.txt", "outside/x.txt" })
        ASSERT_TRUE(replaceFile(file, "Guest\r\nBob\r\n").ok());
    ASSERT_EQ(::symlink("class", "via"), 0);
    ASSERT_EQ(::symlink("../outside", "class/out"), 0);
    ASSERT_EQ(::symlink("../outside/x.txt", "class/inner.txt"), 0);
    Bytes target = c.linkTarget;
    if (target.starts_with("@"))
        target = top.string() + target.substr(1);
    ASSERT_EQ(::symlink(target.c_str(), "class/studnames.txt"), 0);
    std::filesystem::current_path(c.workingFolder);

    const auto written = changeRoster({ { "Ann" }, {}, true, {} });
    EXPECT_TRUE(std::filesystem::is_symlink("studnames.txt"));
    const std::filesystem::path pointedAt = std::filesystem::canonical("studnames.txt");
    std::filesystem::current_path(top);
    if (c.written) {
        ASSERT_TRUE(written.ok()) << described(written.error());
        EXPECT_EQ(readFile(c.written).value(), "Guest\r\nAnn\r\nBob\r\n");
        EXPECT_EQ(pointedAt, top / c.written);
        return;
    }
    ASSERT_FALSE(written.ok());
    EXPECT_EQ(written.error(),
        (FileError { .file = "studnames.txt", .why = Failure::LinkOutsideFolder, .text = pointedAt.string() }));
    EXPECT_EQ(readFile(pointedAt.string()).value(), "Guest\r\nBob\r\n");
    // Nothing was prepared beside the file either, and the roster still loads from it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pointedAt.parent_path()), {}), 1);
    std::filesystem::current_path(c.workingFolder);
    EXPECT_EQ(loadOrCreateRoster().value(), (std::vector<Bytes> { "Guest", "Bob" }));
#endif
}

INSTANTIATE_TEST_SUITE_P(Links, RosterLinks,
    testing::Values(RosterLinkCase { "besideIt", "class", "names.txt", "class/names.txt" },
        RosterLinkCase { "inASubfolder", "class", "shared/names.txt", "class/shared/names.txt" },
        RosterLinkCase { "outAndBackIn", "class", "../class/shared/names.txt", "class/shared/names.txt" },
        RosterLinkCase { "classFolderReachedThroughALink", "via", "names.txt", "class/names.txt" },
        RosterLinkCase {
            "absoluteThroughTheClassFoldersLink", "via", "@/via/shared/names.txt", "class/shared/names.txt" },
        RosterLinkCase { "absoluteOutside", "class", "@/outside/x.txt", nullptr },
        RosterLinkCase { "relativeOutside", "via", "../outside/x.txt", nullptr },
        RosterLinkCase { "folderNamedAlike", "class", "../classic/names.txt", nullptr },
        RosterLinkCase { "toALinkThatLeadsOut", "class", "inner.txt", nullptr },
        RosterLinkCase { "throughASubfolderLinkThatLeadsOut", "class", "out/x.txt", nullptr }),
    [](const auto& info) { return info.param.name; });

TEST(SymbolicLinks, APasswordLinkOutsideTheClassFolderIsReadButNeverWritten)
{
    SKIP_ON_WINDOWS("symbolic links need an administrator, and a link is replaced, not followed");
#ifndef _WIN32
    ScratchFolder above;
    ASSERT_EQ(::mkdir("class", 0755), 0);
    ASSERT_TRUE(replaceFile("teachers.txt", "Owl\r\n").ok());
    const Bytes target = std::filesystem::canonical("teachers.txt").string();
    ASSERT_EQ(::symlink(target.c_str(), "class/password.txt"), 0);
    std::filesystem::current_path("class");
    const Status password = writePasswordFile("Cat");
    ASSERT_FALSE(password.ok());
    EXPECT_EQ(
        password.error(), (FileError { .file = "password.txt", .why = Failure::LinkOutsideFolder, .text = target }));
    EXPECT_EQ(readFile(target).value(), "Owl\r\n");
    EXPECT_EQ(readFile("password.txt").value(), "Owl\r\n");
    EXPECT_TRUE(std::filesystem::is_symlink("password.txt"));
#endif
}

TEST(ScratchFiles, AreSweptAtStartUnlessTheirFileIsBeingWritten)
{
    ScratchFolder folder;
    ASSERT_TRUE(replaceFile("Ann1.txt", "day 1\r\n").ok());
    ASSERT_EQ(::link("Ann1.txt", ".~Ann1.txt.saving"), 0); // a save killed after linking in
    ASSERT_TRUE(replaceFile(".~studnames.txt.Ab12Cd", "Guest\r\n").ok()); // an earlier version's
    ASSERT_TRUE(replaceFile(".~Bob2.txt.saving", "half a day").ok());
    {
        Result<FolderLock> bobBeingSaved = FolderLock::take(studentLockName("Bob"));
        ASSERT_TRUE(bobBeingSaved.ok());
        EXPECT_TRUE(settleClassFolder().faults.empty());
        EXPECT_EQ(entriesInFolder(), 3u); // Ann1.txt, Bob's scratch file and Bob's lock
        EXPECT_TRUE(nameTaken(".~Bob2.txt.saving"));
    }
    // The next write of the file sweeps it too.
    ASSERT_TRUE(saveDayFrom("Bob", 2, {}).ok());
    EXPECT_EQ(countDays("Ann"), 1);
    EXPECT_EQ(entriesInFolder(), 2u);
}

TEST(FolderLocks, ALockOfAProcessThatEndedIsRemovedAndReported)
{
    SKIP_ON_WINDOWS("no fork: the Windows faults end a lock's process with TerminateProcess");
#ifndef _WIN32
    ScratchFolder folder;
    const pid_t child = ::fork();
    if (child == 0) {
        auto lock = FolderLock::take(studentLockName("Ann"));
        ::_exit(lock.ok() ? 0 : 1); // killed as it were: the lock is never released
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(nameTaken(".~Ann.days.lock"));
    (void)takeLockNotices();
    EXPECT_EQ(saveNextDay("Ann", {}).value(), 1);
    const std::vector<LockNotice> notices = takeLockNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].lock, ".~Ann.days.lock");
    EXPECT_FALSE(notices[0].holder.computer.empty());
    EXPECT_EQ(notices[0].unrenewedSeconds, -1); // its process has ended
#endif
}

TEST(FolderLocks, ASaveWaitsForAnotherComputerBrieflyThenReportsAndWritesNothing)
{
    ScratchFolder folder;
    ASSERT_TRUE(
        replaceFile(".~Ann.days.lock", "computer pc-7\nprocess 4242\nstarted 1\ntime 2026-12-08 09:15:00\n").ok());
    const Result<int32_t> saved = saveNextDay("Ann", {});
    ASSERT_FALSE(saved.ok());
    const LockHolder pc7 { "pc-7", "4242", "2026-12-08 09:15:00" };
    EXPECT_EQ(saved.error(),
        (FileError { .file = "Ann1.txt",
            .why = Failure::DaysInUse,
            .text = "Ann",
            .cause = causedBy({ .file = ".~Ann.days.lock", .why = Failure::InUse, .holder = pc7 }) }));
    EXPECT_FALSE(nameTaken("Ann1.txt"));

    // The same lock, not renewed for longer than a holder ever leaves it, is stale.
    const timespec old[2]
        = { { std::time(nullptr) - staleLockSeconds - 5, 0 }, { std::time(nullptr) - staleLockSeconds - 5, 0 } };
#ifdef _WIN32
    std::filesystem::last_write_time(
        ".~Ann.days.lock", std::filesystem::file_time_type::clock::now() - std::chrono::seconds(staleLockSeconds + 5));
    (void)old;
#else
    ASSERT_EQ(::utimensat(AT_FDCWD, ".~Ann.days.lock", old, 0), 0);
#endif
    (void)takeLockNotices();
    EXPECT_EQ(saveNextDay("Ann", {}).value(), 1);
    const std::vector<LockNotice> notices = takeLockNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].lock, ".~Ann.days.lock");
    EXPECT_EQ(notices[0].holder, pc7);
    EXPECT_GT(notices[0].unrenewedSeconds, staleLockSeconds);
    EXPECT_EQ(entriesInFolder(), 1u);
}

// Something under a lock's name that is no lock of the program's holds nobody up for ever: it
// is reported at once as what it is, or, an empty folder with no holder, taken over once aged.
struct NoLock {
    const char* name;
    std::function<void()> place;
    Failure what; // System: taken over
    Bytes entry = {}; // for a folder: the name it holds
};

std::ostream& operator<<(std::ostream& out, const NoLock& lock)
{
    return out << lock.name;
}

class LockNameTaken : public ::testing::TestWithParam<NoLock> { };

TEST_P(LockNameTaken, IsReportedAsWhatItIsOrTakenOver)
{
    SKIP_ON_WINDOWS("pipes, dangling links and time stamps are set up the POSIX way");
#ifndef _WIN32
    ScratchFolder folder;
    GetParam().place();
    const auto start = std::chrono::steady_clock::now();
    const Result<int32_t> saved = saveNextDay("Ann", {});
    if (GetParam().what == Failure::System) {
        EXPECT_EQ(saved.value(), 1);
        EXPECT_FALSE(nameTaken(".~Ann.days.lock"));
        return;
    }
    // At once: nothing is waited for.
    EXPECT_LT(std::chrono::steady_clock::now() - start, lockWait);
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error(),
        (FileError { .file = "Ann1.txt",
            .why = Failure::DaysNotLockable,
            .text = "Ann",
            .cause = causedBy({ .file = ".~Ann.days.lock", .why = GetParam().what, .text = GetParam().entry }) }));
    EXPECT_FALSE(nameTaken("Ann1.txt"));
#endif
}

#ifdef _WIN32
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LockNameTaken);
#else
INSTANTIATE_TEST_SUITE_P(PipesLinksAndFolders, LockNameTaken,
    ::testing::Values(NoLock { "Pipe", [] { ASSERT_EQ(::mkfifo(".~Ann.days.lock", 0644), 0); }, Failure::PipeForLock },
        NoLock { "DanglingLink", [] { ASSERT_EQ(::symlink("nowhere", ".~Ann.days.lock"), 0); }, Failure::LinkForLock },
        NoLock { "FolderWithAFile",
            [] {
                ASSERT_EQ(::mkdir(".~Ann.days.lock", 0755), 0);
                ASSERT_TRUE(replaceFile(".~Ann.days.lock/notes.txt", "x").ok());
                const timespec old[2] = { { std::time(nullptr) - 120, 0 }, { std::time(nullptr) - 120, 0 } };
                ASSERT_EQ(::utimensat(AT_FDCWD, ".~Ann.days.lock", old, 0), 0);
            },
            Failure::FolderForLock, "notes.txt" },
        NoLock { "EmptyFolderTwoMinutesOld",
            [] {
                ASSERT_EQ(::mkdir(".~Ann.days.lock", 0755), 0);
                const timespec old[2] = { { std::time(nullptr) - 120, 0 }, { std::time(nullptr) - 120, 0 } };
                ASSERT_EQ(::utimensat(AT_FDCWD, ".~Ann.days.lock", old, 0), 0);
            },
            Failure::System },
        NoLock { "EmptyFolderJustMade", [] { ASSERT_EQ(::mkdir(".~Ann.days.lock", 0755), 0); }, Failure::System },
        NoLock { "HolderNoteThatIsAFolder",
            [] {
                ASSERT_EQ(::mkdir(".~Ann.days.lock", 0755), 0);
                ASSERT_EQ(::mkdir(".~Ann.days.lock/holder", 0755), 0);
                const timespec old[2] = { { std::time(nullptr) - 120, 0 }, { std::time(nullptr) - 120, 0 } };
                ASSERT_EQ(::utimensat(AT_FDCWD, ".~Ann.days.lock", old, 0), 0);
            },
            Failure::FolderForLock, "holder" },
        // A copy killed before it wrote its note: the lock folder itself looks fresh, as every
        // copy that waits for it looks inside.
        NoLock { "HoldersFolderWithoutANoteTwoMinutesOld",
            [] {
                ASSERT_EQ(::mkdir(".~Ann.days.lock", 0755), 0);
                ASSERT_EQ(::mkdir(".~Ann.days.lock/0123456789abcdef", 0755), 0);
                ASSERT_TRUE(replaceFile(".~Ann.days.lock/0123456789abcdef/holder.new", "computer pc-7\n").ok());
                const timespec old[2] = { { std::time(nullptr) - 120, 0 }, { std::time(nullptr) - 120, 0 } };
                ASSERT_EQ(::utimensat(AT_FDCWD, ".~Ann.days.lock/0123456789abcdef", old, 0), 0);
                const timespec looked[2] = { { std::time(nullptr) - 10, 0 }, { std::time(nullptr) - 10, 0 } };
                ASSERT_EQ(::utimensat(AT_FDCWD, ".~Ann.days.lock", looked, 0), 0);
            },
            Failure::System }),
    [](const ::testing::TestParamInfo<NoLock>& info) { return info.param.name; });
#endif

TEST(LongNames, TheLongestNameSavesEveryDayNumberALongerOneIsRefusedNamingTheLimit)
{
    ScratchFolder folder;
    const Bytes longest(maxStudentNameLength, 'a');
    EXPECT_EQ(saveDayFrom(longest, 99999, {}).value(), 99999);
    const Bytes longer(maxStudentNameLength + 1, 'a');
    const Result<int32_t> saved = saveNextDay(longer, {});
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error(), (FileError { .file = longer + "1.txt", .why = Failure::NameTooLong, .number = 237 }));
}

TEST(EightBitNames, EveryNameTheAddPanelAcceptsKeepsItsDayFileByteForByte)
{
    ScratchFolder folder;
    // Blanks and dots at the end, devices' names inside a longer one, and 8-bit letters: on
    // Windows the names pass through Windows-1252 and must come back from the folder unchanged.
    const std::vector<Bytes> names { "A.J.", "...", "Ann ", " Ann", "Connor", "LPTa", Bytes("COM\xb2") + "b",
        "\xc9mile \xf7 \x80\xff", "Zo\xeb_B" };
    std::vector<Bytes> expected;
    for (const Bytes& name : names) {
        ASSERT_EQ(checkStudentName(name), NameProblem::None) << name;
        ASSERT_EQ(saveNextDay(name, {}).value(), 1) << name;
        EXPECT_EQ(countDays(name), 1) << name;
        expected.push_back(dayFileName(name, 1));
    }
    std::vector<Bytes> entries = workingFolderEntries();
    std::ranges::sort(entries);
    std::ranges::sort(expected);
    EXPECT_EQ(entries, expected);
}

namespace {

struct MountCase {
    const char* name;
    const char* table;
    const char* folder;
    const char* share; // the file system named, or "" for a local one
};

std::ostream& operator<<(std::ostream& out, const MountCase& mount)
{
    return out << mount.name;
}

class ClassFolderMount : public ::testing::TestWithParam<MountCase> { };

constexpr char diskAndShares[] = "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
                                 "30 22 0:40 / /srv/class rw shared:5 - nfs4 server:/class rw,vers=4.2\n"
                                 "31 22 0:41 / /mnt/smb\\040share rw - cifs //server/share rw\n"
                                 "32 22 0:42 / /home/t/sftp rw,nosuid - fuse.sshfs t@server:/class rw\n"
                                 "33 32 0:43 / /home/t/sftp/usb rw - vfat /dev/sdb1 rw\n"
                                 "34 22 0:44 / /media/bound rw - fuse.bindfs /srv/x rw\n"
                                 "35 22 0:45 / /srv/class rw - ext4 /dev/sdc1 rw\n";

} // namespace

TEST_P(ClassFolderMount, NamesTheNetworkShareTheFolderIsOn)
{
    const MountCase& mount = GetParam();
    EXPECT_EQ(networkShareIn(mount.table, mount.folder), Bytes(mount.share));
}

INSTANTIATE_TEST_SUITE_P(MountTables, ClassFolderMount,
    ::testing::Values(MountCase { "LocalDisk", diskAndShares, "/home/t/Quorvex", "" },
        MountCase { "BlankInTheMountPoint", diskAndShares, "/mnt/smb share/class 3", "cifs" },
        MountCase { "SameBeginningOtherFolder", diskAndShares, "/mnt/smb", "" },
        MountCase { "SftpThroughFuse", diskAndShares, "/home/t/sftp/class", "fuse.sshfs" },
        MountCase { "DiskMountedInsideAShare", diskAndShares, "/home/t/sftp/usb/class", "" },
        MountCase { "LocalFuse", diskAndShares, "/media/bound/class", "" },
        MountCase { "DiskMountedOverAShare", diskAndShares, "/srv/class", "" },
        MountCase { "DamagedLines", "garbage\n7 1 0:1 / /srv rw - \n\n", "/srv", "" }),
    [](const ::testing::TestParamInfo<MountCase>& info) { return info.param.name; });

TEST(ClassFolderMount, TheShareOfTheLabIsTold)
{
    ScratchFolder local(std::filesystem::temp_directory_path());
    EXPECT_EQ(networkShareOfWorkingFolder(), "");
    if (shareMount(0).empty())
        GTEST_SKIP() << "no share (run-on-share runs it on one)";
    ScratchFolder shared;
    EXPECT_TRUE(networkShareOfWorkingFolder() == "fuse.sshfs" || networkShareOfWorkingFolder() == "fuse.smbnetfs")
        << networkShareOfWorkingFolder();
}
