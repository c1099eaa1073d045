// What the file system primitives do when two computers share one folder: races of two
// processes, each through its own mount of the same folder, and what one mount sees of the
// other's changes and how late. Prints one table, a column for each pair of mounts.
//
//   share_primitives [--trials N] NAME=FOLDER_A:FOLDER_B ...
//
// FOLDER_A and FOLDER_B are the same folder through two mounts (or one local folder twice).
// Everything is made in a fresh subfolder and removed again.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Pair {
    std::string name;
    std::string a;
    std::string b;
};

std::string errnoName(int error)
{
    if (error == 0)
        return "ok";
    const char* name = ::strerrorname_np(error);
    return name ? name : std::to_string(error);
}

// The errno of a call that returns -1 on failure, 0 after a success.
int outcome(int returned)
{
    return returned < 0 ? errno : 0;
}

bool writeFile(const std::string& path, const std::string& contents)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
    return ::close(fd) == 0 && written;
}

// The contents read through a fresh open, or "<errno name>".
std::string readFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return "<" + errnoName(errno) + ">";
    std::string contents;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0)
        contents.append(buffer, static_cast<size_t>(got));
    ::close(fd);
    return contents;
}

std::vector<std::string> folderNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    return names;
}

bool listed(const std::string& folder, const std::string& name)
{
    const std::vector<std::string> names = folderNames(folder);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Two processes started at one moment, the first on mount A, the second on mount B; the
// errno each ended with.
std::pair<int, int> race(const std::function<int()>& first, const std::function<int()>& second)
{
    int start[2];
    int results[2];
    if (::pipe(start) != 0 || ::pipe(results) != 0)
        return { -1, -1 };
    pid_t children[2];
    for (int which = 0; which < 2; ++which) {
        children[which] = ::fork();
        if (children[which] == 0) {
            ::close(start[1]);
            ::close(results[0]);
            char go = 0;
            if (::read(start[0], &go, 1) != 0)
                ::_exit(2);
            const int result[2] = { which, which == 0 ? first() : second() };
            ::_exit(::write(results[1], result, sizeof result) == sizeof result ? 0 : 3);
        }
    }
    ::close(start[0]);
    ::close(results[1]);
    ::close(start[1]);
    int errors[2] = { -1, -1 };
    int result[2];
    while (::read(results[0], result, sizeof result) == static_cast<ssize_t>(sizeof result))
        errors[result[0]] = result[1];
    ::close(results[0]);
    for (const pid_t child : children)
        ::waitpid(child, nullptr, 0);
    return { errors[0], errors[1] };
}

std::string raceOutcome(std::pair<int, int> errors)
{
    const auto [first, second] = errors;
    if (first == 0 && second == 0)
        return "BOTH won";
    if (first == 0 || second == 0)
        return "1 winner, loser " + errnoName(first == 0 ? second : first);
    return "none won: " + errnoName(first) + "/" + errnoName(second);
}

// Milliseconds until seen() holds, polled every 10 ms, or -1 after the limit.
// Milliseconds until seen() holds, polled every 10 ms: 0 when it held at the first look, -1 when
// it still did not after the limit.
long long millisecondsUntil(const std::function<bool()>& seen, std::chrono::milliseconds limit)
{
    const auto started = Clock::now();
    if (seen())
        return 0;
    while (Clock::now() - started < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (seen())
            return std::max<long long>(
                1, std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - started).count());
    }
    return -1;
}

std::string delayOutcome(long long milliseconds)
{
    if (milliseconds < 0)
        return "still after 30 s";
    if (milliseconds == 0)
        return "at once";
    // Up to the next 250 ms, so that the trials fall into few cells.
    return "within " + std::to_string((milliseconds + 249) / 250 * 250) + " ms";
}

double seconds(const timespec& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) / 1e9;
}

double wallNow()
{
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return seconds(now);
}

// A difference of two clocks in whole seconds, with its sign, so that an hour off shows.
std::string offset(double difference)
{
    const long long rounded = static_cast<long long>(difference < 0 ? difference - 0.5 : difference + 0.5);
    return (rounded >= 0 ? "+" : "") + std::to_string(rounded) + " s";
}

struct Check {
    const char* title;
    // 0: as many as --trials, one after the other; a number: at most that many; -1: as many as
    // --trials, all at once, each on names of its own (for the checks that wait for a cache).
    int trials;
    std::function<std::string(const std::string& a, const std::string& b, int trial)> run;
};

const auto limit = std::chrono::seconds(30);

std::vector<Check> checks()
{
    std::vector<Check> list;
    list.push_back({ "a. mkdir race", 0, [](const std::string& a, const std::string& b, int t) {
                        const std::string name = "/mk" + std::to_string(t);
                        return raceOutcome(race([&] { return outcome(::mkdir((a + name).c_str(), 0755)); },
                            [&] { return outcome(::mkdir((b + name).c_str(), 0755)); }));
                    } });
    list.push_back({ "b. O_CREAT|O_EXCL race", 0, [](const std::string& a, const std::string& b, int t) {
                        const std::string name = "/ex" + std::to_string(t);
                        const auto create = [](const std::string& path) {
                            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
                            if (fd < 0)
                                return errno;
                            ::close(fd);
                            return 0;
                        };
                        return raceOutcome(race([&] { return create(a + name); }, [&] { return create(b + name); }));
                    } });
    list.push_back({ "c1. renameat2(NOREPLACE) onto existing / onto free name", 0,
        [](const std::string& a, const std::string&, int t) {
            const std::string stem = a + "/rn" + std::to_string(t);
            writeFile(stem + "s", "s");
            writeFile(stem + "t", "t");
            const int onto = outcome(
                ::renameat2(AT_FDCWD, (stem + "s").c_str(), AT_FDCWD, (stem + "t").c_str(), RENAME_NOREPLACE));
            const int free = outcome(
                ::renameat2(AT_FDCWD, (stem + "s").c_str(), AT_FDCWD, (stem + "f").c_str(), RENAME_NOREPLACE));
            return errnoName(onto) + " / " + errnoName(free);
        } });
    list.push_back(
        { "c2. renameat2(NOREPLACE) race to one name", 0, [](const std::string& a, const std::string& b, int t) {
             const std::string stem = "/rr" + std::to_string(t);
             writeFile(a + stem + "a", "a");
             writeFile(a + stem + "b", "b");
             return raceOutcome(race(
                 [&] {
                     return outcome(::renameat2(
                         AT_FDCWD, (a + stem + "a").c_str(), AT_FDCWD, (a + stem).c_str(), RENAME_NOREPLACE));
                 },
                 [&] {
                     return outcome(::renameat2(
                         AT_FDCWD, (b + stem + "b").c_str(), AT_FDCWD, (b + stem).c_str(), RENAME_NOREPLACE));
                 }));
         } });
    list.push_back({ "c3. link() to free name / onto existing", 0, [](const std::string& a, const std::string&, int t) {
                        const std::string stem = a + "/ln" + std::to_string(t);
                        writeFile(stem + "s", "s");
                        writeFile(stem + "t", "t");
                        const int free = outcome(::link((stem + "s").c_str(), (stem + "f").c_str()));
                        const int onto = outcome(::link((stem + "s").c_str(), (stem + "t").c_str()));
                        return errnoName(free) + " / " + errnoName(onto);
                    } });
    list.push_back({ "c4. link() race to one name", 0, [](const std::string& a, const std::string& b, int t) {
                        const std::string stem = "/lr" + std::to_string(t);
                        writeFile(a + stem + "a", "a");
                        writeFile(a + stem + "b", "b");
                        return raceOutcome(
                            race([&] { return outcome(::link((a + stem + "a").c_str(), (a + stem).c_str())); },
                                [&] { return outcome(::link((b + stem + "b").c_str(), (b + stem).c_str())); }));
                    } });
    list.push_back({ "d. rename() file onto existing file: result, read via A / via B", 0,
        [](const std::string& a, const std::string& b, int t) {
            const std::string name = "/rp" + std::to_string(t);
            writeFile(a + name, "old");
            writeFile(a + name + "n", "new!");
            const int renamed = outcome(::rename((a + name + "n").c_str(), (a + name).c_str()));
            return errnoName(renamed) + ", " + readFile(a + name) + " / " + readFile(b + name);
        } });
    list.push_back({ "e. rename sub/f -> f, then f -> sub/f", 0, [](const std::string& a, const std::string&, int t) {
                        const std::string folder = a + "/sub" + std::to_string(t);
                        ::mkdir(folder.c_str(), 0755);
                        writeFile(folder + "/f", "f");
                        const std::string up = a + "/up" + std::to_string(t);
                        const int out = outcome(::rename((folder + "/f").c_str(), up.c_str()));
                        const int back = outcome(::rename(up.c_str(), (folder + "/f").c_str()));
                        return errnoName(out) + ", " + errnoName(back);
                    } });
    list.push_back({ "f. rename non-empty folder d->e; then rename into d/x via A / via B", 0,
        [](const std::string& a, const std::string& b, int t) {
            const std::string d = "/fd" + std::to_string(t);
            ::mkdir((a + d).c_str(), 0755);
            writeFile(a + d + "/f", "f");
            writeFile(a + d + "g", "g");
            writeFile(a + d + "h", "h");
            // B has looked at the folder before it moved, as a second computer would have.
            struct stat seen { };
            ::stat((b + d + "/f").c_str(), &seen);
            const int moved = outcome(::rename((a + d).c_str(), (a + d + "e").c_str()));
            const int viaA = outcome(::rename((a + d + "g").c_str(), (a + d + "/x").c_str()));
            const int viaB = outcome(::rename((b + d + "h").c_str(), (b + d + "/x").c_str()));
            return errnoName(moved) + "; " + errnoName(viaA) + " / " + errnoName(viaB);
        } });
    list.push_back({ "g. rename folder onto empty folder / onto non-empty folder; file onto empty folder", 0,
        [](const std::string& a, const std::string&, int t) {
            const std::string stem = a + "/gd" + std::to_string(t);
            ::mkdir((stem + "s").c_str(), 0755);
            writeFile(stem + "s/f", "f");
            ::mkdir((stem + "e").c_str(), 0755);
            ::mkdir((stem + "n").c_str(), 0755);
            writeFile(stem + "n/f", "f");
            ::mkdir((stem + "e2").c_str(), 0755);
            writeFile(stem + "file", "f");
            const int ontoEmpty = outcome(::rename((stem + "s").c_str(), (stem + "e").c_str()));
            const std::string source = ontoEmpty == 0 ? stem + "e" : stem + "s";
            const int ontoFull = outcome(::rename(source.c_str(), (stem + "n").c_str()));
            const int fileOntoFolder = outcome(::rename((stem + "file").c_str(), (stem + "e2").c_str()));
            return errnoName(ontoEmpty) + " / " + errnoName(ontoFull) + "; " + errnoName(fileOntoFolder);
        } });
    list.push_back({ "h. unlink of a file open via A: unlink via A, fd still reads / unlink via B of one open via A", 0,
        [](const std::string& a, const std::string& b, int t) {
            const std::string name = "/op" + std::to_string(t);
            writeFile(a + name, "open");
            int fd = ::open((a + name).c_str(), O_RDONLY);
            const int same = outcome(::unlink((a + name).c_str()));
            char buffer[8] = {};
            const ssize_t got = ::pread(fd, buffer, sizeof buffer, 0);
            ::close(fd);
            writeFile(a + name + "o", "open");
            fd = ::open((a + name + "o").c_str(), O_RDONLY);
            const int other = outcome(::unlink((b + name + "o").c_str()));
            ::close(fd);
            return errnoName(same) + ", " + (got == 4 ? "reads" : "read " + errnoName(errno)) + " / "
                + errnoName(other);
        } });
    list.push_back({ "i1. mtime - client clock: after create / after write 1 s later", 3,
        [](const std::string& a, const std::string&, int t) {
            const std::string name = a + "/tm" + std::to_string(t);
            writeFile(name, "x");
            struct stat created { };
            ::stat(name.c_str(), &created);
            const double createdAt = wallNow();
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
            const int fd = ::open(name.c_str(), O_WRONLY);
            const bool wrote = ::pwrite(fd, "y", 1, 1) == 1;
            ::close(fd);
            struct stat written { };
            ::stat(name.c_str(), &written);
            return offset(seconds(created.st_mtim) - createdAt) + " / "
                + (!wrote ? "write failed"
                        : seconds(written.st_mtim) == seconds(created.st_mtim)
                        ? "unchanged"
                        : offset(seconds(written.st_mtim) - wallNow()));
        } });
    list.push_back({ "i2. utimensat(NULL) / futimens(NULL) 1 s later: result, mtime - client clock", 3,
        [](const std::string& a, const std::string&, int t) {
            const std::string name = a + "/tu" + std::to_string(t);
            writeFile(name, "x");
            struct stat created { };
            ::stat(name.c_str(), &created);
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
            const int byPath = outcome(::utimensat(AT_FDCWD, name.c_str(), nullptr, 0));
            struct stat touched { };
            ::stat(name.c_str(), &touched);
            const double pathAt = wallNow();
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
            const int fd = ::open(name.c_str(), O_WRONLY);
            const int byFd = outcome(::futimens(fd, nullptr));
            ::close(fd);
            struct stat fdTouched { };
            ::stat(name.c_str(), &fdTouched);
            const auto moved = [](const struct stat& before, const struct stat& after, double now) {
                return seconds(after.st_mtim) == seconds(before.st_mtim) ? std::string("unchanged")
                                                                         : offset(seconds(after.st_mtim) - now);
            };
            return errnoName(byPath) + " " + moved(created, touched, pathAt) + " / " + errnoName(byFd) + " "
                + moved(touched, fdTouched, wallNow());
        } });
    list.push_back({ "i3. ctime - mtime after create; ctime moves on rename / on chmod", 3,
        [](const std::string& a, const std::string&, int t) {
            const std::string name = a + "/tc" + std::to_string(t);
            writeFile(name, "x");
            struct stat created { };
            ::stat(name.c_str(), &created);
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
            ::rename(name.c_str(), (name + "r").c_str());
            struct stat renamed { };
            ::stat((name + "r").c_str(), &renamed);
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
            ::chmod((name + "r").c_str(), 0600);
            struct stat changed { };
            ::stat((name + "r").c_str(), &changed);
            const auto moved = [](const struct stat& before, const struct stat& after) {
                return seconds(after.st_ctim) > seconds(before.st_ctim) + 0.5 ? "yes" : "no";
            };
            return offset(seconds(created.st_ctim) - seconds(created.st_mtim)) + "; " + moved(created, renamed) + " / "
                + moved(renamed, changed);
        } });
    list.push_back(
        { "j1. B still sees a file removed via A (stat)", -1, [](const std::string& a, const std::string& b, int t) {
             const std::string name = "/rm" + std::to_string(t);
             writeFile(a + name, "gone");
             struct stat seen { };
             const auto found = [&] { return ::stat((b + name).c_str(), &seen) == 0; };
             if (millisecondsUntil(found, limit) < 0)
                 return std::string("B never saw it");
             readFile(b + name);
             ::unlink((a + name).c_str());
             return delayOutcome(millisecondsUntil([&] { return !found(); }, limit));
         } });
    list.push_back({ "j2. B sees the old size after replacement by rename via A (stat)", -1,
        [](const std::string& a, const std::string& b, int t) {
            const std::string name = "/sz" + std::to_string(t);
            writeFile(a + name, "old");
            struct stat seen { };
            if (millisecondsUntil([&] { return ::stat((b + name).c_str(), &seen) == 0; }, limit) < 0)
                return std::string("B never saw it");
            readFile(b + name);
            writeFile(a + name + "n", "new contents");
            ::rename((a + name + "n").c_str(), (a + name).c_str());
            return delayOutcome(
                millisecondsUntil([&] { return ::stat((b + name).c_str(), &seen) == 0 && seen.st_size == 12; }, limit));
        } });
    list.push_back({ "j3. B reads the old contents after replacement by rename via A (fresh open)", -1,
        [](const std::string& a, const std::string& b, int t) {
            const std::string name = "/ct" + std::to_string(t);
            writeFile(a + name, "old");
            if (millisecondsUntil([&] { return readFile(b + name) == "old"; }, limit) < 0)
                return std::string("B never read it");
            writeFile(a + name + "n", "new contents");
            ::rename((a + name + "n").c_str(), (a + name).c_str());
            return delayOutcome(millisecondsUntil([&] { return readFile(b + name) == "new contents"; }, limit));
        } });
    list.push_back({ "j4. B reads the old contents after an in-place rewrite of the same size via A", -1,
        [](const std::string& a, const std::string& b, int t) {
            const std::string name = "/rw" + std::to_string(t);
            writeFile(a + name, "old1");
            if (millisecondsUntil([&] { return readFile(b + name) == "old1"; }, limit) < 0)
                return std::string("B never read it");
            writeFile(a + name, "new2");
            return delayOutcome(millisecondsUntil([&] { return readFile(b + name) == "new2"; }, limit));
        } });
    list.push_back(
        { "k. readdir via B lists a file just made via A", -1, [](const std::string& a, const std::string& b, int t) {
             const std::string folder = "/ls" + std::to_string(t);
             ::mkdir((a + folder).c_str(), 0755);
             if (millisecondsUntil([&] { return std::filesystem::is_directory(b + folder); }, limit) < 0)
                 return std::string("B never saw the folder");
             folderNames(b + folder);
             writeFile(a + folder + "/new", "x");
             return delayOutcome(millisecondsUntil([&] { return listed(b + folder, "new"); }, limit));
         } });
    list.push_back({ "l. rmdir of a non-empty folder", 0, [](const std::string& a, const std::string&, int t) {
                        const std::string folder = a + "/rd" + std::to_string(t);
                        ::mkdir(folder.c_str(), 0755);
                        writeFile(folder + "/f", "f");
                        return errnoName(outcome(::rmdir(folder.c_str())));
                    } });
    list.push_back({ "m. open(O_APPEND) and write", 3, [](const std::string& a, const std::string&, int t) {
                        const std::string name = a + "/ap" + std::to_string(t);
                        writeFile(name, "x");
                        const int fd = ::open(name.c_str(), O_WRONLY | O_APPEND);
                        if (fd < 0)
                            return "open " + errnoName(errno);
                        const int wrote = ::write(fd, "y", 1) == 1 ? 0 : errno;
                        ::close(fd);
                        return errnoName(wrote);
                    } });
    return list;
}

// The outcomes of all trials of one check, the most frequent first.
std::string tally(const std::vector<std::string>& outcomes)
{
    std::map<std::string, int> counts;
    for (const std::string& outcome : outcomes)
        ++counts[outcome];
    std::vector<std::pair<int, std::string>> sorted;
    for (const auto& [outcome, count] : counts)
        sorted.emplace_back(-count, outcome);
    std::sort(sorted.begin(), sorted.end());
    std::string cell;
    for (const auto& [count, outcome] : sorted)
        cell += (cell.empty() ? "" : "; ") + outcome + " ×" + std::to_string(-count);
    return cell;
}

} // namespace

int main(int argc, char** argv)
{
    int trials = 40;
    std::vector<Pair> pairs;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--trials" && i + 1 < argc) {
            trials = std::stoi(argv[++i]);
            continue;
        }
        const size_t equals = argument.find('=');
        const size_t colon = argument.find(':', equals);
        if (equals == std::string::npos || colon == std::string::npos) {
            std::fprintf(stderr, "usage: %s [--trials N] NAME=FOLDER_A:FOLDER_B ...\n", argv[0]);
            return 2;
        }
        pairs.push_back({ argument.substr(0, equals), argument.substr(equals + 1, colon - equals - 1),
            argument.substr(colon + 1) });
    }
    if (pairs.empty()) {
        std::fprintf(stderr, "usage: %s [--trials N] NAME=FOLDER_A:FOLDER_B ...\n", argv[0]);
        return 2;
    }

    const std::vector<Check> list = checks();
    std::vector<std::vector<std::string>> cells(list.size());
    for (const Pair& pair : pairs) {
        const std::string folder = "/primitives-" + std::to_string(::getpid()) + "-" + pair.name;
        if (::mkdir((pair.a + folder).c_str(), 0755) != 0) {
            std::fprintf(stderr, "%s: cannot make %s%s: %s\n", pair.name.c_str(), pair.a.c_str(), folder.c_str(),
                std::strerror(errno));
            return 1;
        }
        for (size_t c = 0; c < list.size(); ++c) {
            const int count = list[c].trials > 0 ? std::min(list[c].trials, trials) : trials;
            std::vector<std::string> outcomes(static_cast<size_t>(count));
            if (list[c].trials < 0) {
                std::vector<std::thread> running;
                for (int t = 0; t < count; ++t)
                    running.emplace_back([&, t] { outcomes[t] = list[c].run(pair.a + folder, pair.b + folder, t); });
                for (std::thread& trial : running)
                    trial.join();
            } else {
                for (int t = 0; t < count; ++t)
                    outcomes[t] = list[c].run(pair.a + folder, pair.b + folder, t);
            }
            cells[c].push_back(tally(outcomes));
            std::fprintf(stderr, "%s %s: %s\n", pair.name.c_str(), list[c].title, cells[c].back().c_str());
        }
        std::error_code ignored;
        std::filesystem::remove_all(pair.a + folder, ignored);
    }

    std::printf("| check |");
    for (const Pair& pair : pairs)
        std::printf(" %s |", pair.name.c_str());
    std::printf("\n|---|");
    for (size_t p = 0; p < pairs.size(); ++p)
        std::printf("---|");
    std::printf("\n");
    for (size_t c = 0; c < list.size(); ++c) {
        std::printf("| %s |", list[c].title);
        for (const std::string& cell : cells[c])
            std::printf(" %s |", cell.c_str());
        std::printf("\n");
    }
    return 0;
}
