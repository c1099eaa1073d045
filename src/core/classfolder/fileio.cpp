#include "core/classfolder/fileio.h"

#include "core/classfolder/fileio_system.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <random>
#include <thread>

namespace quorvex {

namespace {

constexpr char scratchSuffix[] = ".saving";

} // namespace

namespace sys {

FileError systemError(const Bytes& name, int error)
{
    return FileError::system(name, error);
}

FileError tooLarge(const Bytes& name, size_t maxSize)
{
    return { .file = name, .why = Failure::TooLarge, .number = static_cast<long long>(maxSize >> 20) };
}

} // namespace sys

namespace sys {

std::vector<Bytes> folderEntries(const Bytes& folder)
{
    std::vector<FolderEntry> entries;
    (void)listFolder(folder, entries);
    std::vector<Bytes> names;
    names.reserve(entries.size());
    for (FolderEntry& entry : entries)
        names.push_back(std::move(entry.name));
    return names;
}

} // namespace sys

Result<std::vector<FolderEntry>> listWorkingFolder()
{
    std::vector<FolderEntry> entries;
    if (const int error = sys::listFolder(".", entries))
        return sys::systemError(".", error);
    return entries;
}

std::optional<FileError> linkOutOfFolder(const Bytes& name)
{
    FileError error;
    if (sys::writeTarget(name, error).empty())
        return error;
    return std::nullopt;
}

Bytes scratchFileName(const Bytes& name)
{
    return ".~" + name + scratchSuffix;
}

bool isScratchFileName(const Bytes& entry, Bytes* target)
{
    // ".~" name "." and six characters: the fixed suffix, or the random one of earlier versions.
    if (entry.size() < 2 + 1 + 7 || !entry.starts_with(".~") || entry[entry.size() - 7] != '.')
        return false;
    if (target)
        *target = entry.substr(2, entry.size() - 2 - 7);
    return true;
}

Status removeFile(const Bytes& name)
{
    if (const int error = removeName(name))
        return sys::systemError(name, error);
    return success();
}

// ---- Locks ---------------------------------------------------------------------------------
namespace {

constexpr char holderEntry[] = "holder";
constexpr size_t tokenLength = 16;
// How long a lock folder may stand with no holder's folder in it: more than one by whole
// seconds of the clock, so between one and two seconds, well within the wait of a save.
constexpr long long unheldLockSeconds = 1;
// How often a holder at work rewrites its note: well within staleLockSeconds.
constexpr auto renewEvery = std::chrono::seconds(5);
// How often one who waits for a lock reads its note again.
constexpr auto lookAgainAfter = std::chrono::milliseconds(250);

// What the locks remember across takings is shared by the threads that read the class.
std::mutex& lockMemoryMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::vector<LockNotice>& lockNotices()
{
    static std::vector<LockNotice> notices;
    return notices;
}

void addLockNotice(LockNotice notice)
{
    const std::scoped_lock guard(lockMemoryMutex());
    lockNotices().push_back(std::move(notice));
}

const Bytes& hostName()
{
    static const Bytes host = sys::computerName();
    return host;
}

bool isToken(const Bytes& entry)
{
    return entry.size() == tokenLength
        && std::ranges::all_of(entry, [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

Bytes newToken()
{
    // Seeded anew in each process: a copy made by fork would otherwise draw its parent's tokens.
    thread_local long long seededIn = 0;
    thread_local std::mt19937_64 random;
    if (seededIn != sys::currentProcess()) {
        seededIn = sys::currentProcess();
        std::random_device device;
        random.seed((static_cast<uint64_t>(device()) << 32) ^ device()
            ^ static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())
            ^ static_cast<uint64_t>(seededIn));
    }
    static const char digits[] = "0123456789abcdef";
    uint64_t value = random();
    Bytes token(tokenLength, '0');
    for (char& c : token) {
        c = digits[value & 15];
        value >>= 4;
    }
    return token;
}

struct HolderNote {
    Bytes host;
    Bytes pid;
    Bytes started;
    Bytes time;
};

Bytes field(const Bytes& note, const char* key)
{
    const Bytes prefix = Bytes(key) + " ";
    for (size_t at = 0; at < note.size();) {
        size_t end = note.find('\n', at);
        if (end == Bytes::npos)
            end = note.size();
        if (note.compare(at, prefix.size(), prefix) == 0)
            return note.substr(at + prefix.size(), end - at - prefix.size());
        at = end + 1;
    }
    return {};
}

HolderNote parseNote(const Bytes& note)
{
    return { field(note, "computer"), field(note, "process"), field(note, "started"), field(note, "time") };
}

LockHolder holderOf(const HolderNote& note)
{
    return { note.host, note.host.empty() ? Bytes() : note.pid, note.host.empty() ? Bytes() : note.time };
}

Bytes holderNote(const Bytes& token)
{
    // The process's number and start time, read once per process (a child gets its own).
    thread_local long long notedProcess = 0;
    thread_local Bytes started;
    if (notedProcess != sys::currentProcess()) {
        notedProcess = sys::currentProcess();
        started = sys::processStart(notedProcess).value_or(Bytes());
    }
    return "computer " + hostName() + "\nprocess " + decimal(notedProcess) + "\nstarted " + started + "\ntime "
        + sys::localTime(std::time(nullptr)) + "\ntoken " + token + "\n";
}

// How long ago the entry was last written. Its modification time can be set by anyone; the
// time the file system itself noted for its last change cannot, so the earlier of the two
// counts, and a lock dated in the future (a wrong clock) ages from when it was dated.
long long ageOf(const Bytes& lockName, const sys::NameLook& look, const Bytes& note)
{
    const time_t now = std::time(nullptr);
    const time_t written = look.changed != 0 ? std::min(look.modified, look.changed) : look.modified;
    if (written <= now + staleLockSeconds)
        return now - written;
    // Both ahead of this computer's clock by more than a minute: one of the clocks is wrong.
    // The lock then counts as unchanged since this copy first saw it so.
    struct Sighting {
        Bytes what;
        std::chrono::steady_clock::time_point since;
    };
    static std::vector<std::pair<Bytes, Sighting>> sightings;
    const std::scoped_lock guard(lockMemoryMutex());
    const Bytes what = decimal(static_cast<long long>(written)) + "\n" + note;
    auto seen = std::ranges::find_if(sightings, [&](const auto& s) { return s.first == lockName; });
    if (seen == sightings.end()) {
        sightings.push_back({ lockName, { what, std::chrono::steady_clock::now() } });
        return 0;
    }
    if (seen->second.what != what)
        seen->second = { what, std::chrono::steady_clock::now() };
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - seen->second.since)
        .count();
}

// How long since an entry was last changed; 0 when it cannot be looked at.
long long entryAge(const Bytes& name)
{
    sys::NameLook look;
    return sys::lookAt(name, look) == 0 ? ageOf(name, look, {}) : 0;
}

// What stands under a lock's name, and what it says of its holder.
struct LockLook {
    enum class State {
        Gone, // taken away meanwhile: try again at once
        Held,
        Stale,
        Foreign, // nothing the program made: it stands until someone removes it
        Unreadable,
    };
    State state = State::Gone;
    int error = 0; // Unreadable
    Failure what = Failure::OtherForLock; // Foreign: what stands there
    Bytes entry; // Foreign, a folder: a name it holds
    bool oldLockFile = false; // a file, as earlier versions of the program took their locks
    sys::FileIdentity identity;
    HolderNote note;
    std::vector<Bytes> tokens; // the holder's own folder, when the note names one that stands
    bool abandoned = false; // not renewed for staleLockSeconds
    Bytes noteBytes;
    long long unrenewed = -1; // Stale: seconds without renewal; -1 when its process has ended
};

Failure strangerKind(sys::NameLook::Kind kind)
{
    switch (kind) {
    case sys::NameLook::Kind::Link:
        return Failure::LinkForLock;
    case sys::NameLook::Kind::Pipe:
        return Failure::PipeForLock;
    case sys::NameLook::Kind::Socket:
        return Failure::SocketForLock;
    case sys::NameLook::Kind::Device:
        return Failure::DeviceForLock;
    default:
        return Failure::OtherForLock;
    }
}

// When this process last gave each lock up, and how long giving it up took.
struct Release {
    std::chrono::steady_clock::time_point when;
    std::chrono::steady_clock::duration took;
};

std::mutex& recentReleasesMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<Bytes, Release>& recentReleases()
{
    static std::map<Bytes, Release> releases;
    return releases;
}

// A copy that takes again at once a lock it has just given up would take it every time ahead
// of another copy that is waiting for it, which only sees it free between two tries: it first
// leaves the lock free for a few times as long as giving it up took, which is a few round trips
// to the share, long enough for a waiting copy to try once.
void letWaitersGoFirst(const Bytes& lockName)
{
    std::chrono::steady_clock::duration pause {};
    {
        const std::scoped_lock guard(recentReleasesMutex());
        const auto found = recentReleases().find(lockName);
        if (found == recentReleases().end())
            return;
        const auto since = std::chrono::steady_clock::now() - found->second.when;
        pause = std::min<std::chrono::steady_clock::duration>(4 * found->second.took, std::chrono::milliseconds(300))
            - since;
        recentReleases().erase(found);
    }
    if (pause > std::chrono::steady_clock::duration::zero())
        std::this_thread::sleep_for(pause);
}

bool transientError(int error)
{
    return error == EIO || error == EBUSY;
}

// The holder's note of a lock folder as it stands; empty when there is none.
Bytes noteIn(const Bytes& lockName)
{
    Result<Bytes> note = readFile(sys::inFolder(lockName, holderEntry), 4096);
    return note ? std::move(note).value() : Bytes();
}

LockLook inspect(const Bytes& lockName)
{
    LockLook lock;
    sys::NameLook look;
    if (const int error = sys::lookAt(lockName, look)) {
        lock.state = error == ENOENT ? LockLook::State::Gone : LockLook::State::Unreadable;
        lock.error = error;
        return lock;
    }
    Bytes note;
    sys::NameLook written = look;
    if (look.kind == sys::NameLook::Kind::Regular) {
        lock.oldLockFile = true;
        lock.identity = look.identity;
        if (Result<Bytes> contents = readFile(lockName, 4096))
            note = std::move(contents).value();
    } else if (look.kind == sys::NameLook::Kind::Folder) {
        // The note names the holder's own folder, which is looked at by name: a share may fail
        // a listing of a folder that another computer removes at that moment, and never
        // recover (smbnetfs answers every call after it with an I/O error).
        // The note is read before its time is looked at, so that a note replaced in between is
        // judged by the newer time, never an old time by a new note.
        const Bytes holder = sys::inFolder(lockName, holderEntry);
        note = noteIn(lockName);
        if (sys::NameLook holderLook; sys::lookAt(holder, holderLook) == 0) {
            // A note that is no file was never written by a holder: it would be moved into each
            // holder's folder as it gives the lock up, and keep that from going.
            if (holderLook.kind != sys::NameLook::Kind::Regular) {
                lock.state = LockLook::State::Foreign;
                lock.what = Failure::FolderForLock;
                lock.entry = holderEntry;
                return lock;
            }
            written = holderLook;
        }
        const Bytes token = field(note, "token");
        sys::NameLook own;
        if (isToken(token) && sys::lookAt(sys::inFolder(lockName, token), own) == 0
            && own.kind == sys::NameLook::Kind::Folder)
            lock.tokens.push_back(token);
    } else {
        lock.state = look.kind == sys::NameLook::Kind::Missing ? LockLook::State::Gone : LockLook::State::Foreign;
        lock.what = strangerKind(look.kind);
        return lock;
    }
    lock.note = parseNote(note);
    lock.noteBytes = note;
    lock.state = LockLook::State::Held;
    if (lock.note.host == hostName() && !lock.note.pid.empty()) {
        const std::optional<Bytes> started = sys::processStart(std::atoll(lock.note.pid.c_str()));
        if (!started || (!started->empty() && !lock.note.started.empty() && *started != lock.note.started)) {
            lock.state = LockLook::State::Stale;
            return lock;
        }
    }
    // A lock folder with no holder's folder in it is being made or given up this moment, or was
    // left so by a copy stopped right then, or whose last step a share refused: it holds nothing
    // for long. Taking it is safe at any moment (see claim).
    const long long age = ageOf(lockName, written, note);
    lock.abandoned = age > staleLockSeconds;
    const long long limit = !lock.oldLockFile && lock.tokens.empty() ? unheldLockSeconds : staleLockSeconds;
    if (age > limit) {
        lock.state = LockLook::State::Stale;
        lock.unrenewed = age;
    }
    return lock;
}

void noteTakenOver(const Bytes& lockName, const LockLook& lock)
{
    addLockNotice({ .kind = LockNotice::Kind::Removed,
        .lock = lockName,
        .holder = holderOf(lock.note),
        .unrenewedSeconds = lock.unrenewed });
}

// Writes the holder's note whole: prepared in the holder's own folder and renamed into place,
// so a reader never sees half a note, and a holder whose folder is gone writes nothing.
int writeHolder(const Bytes& lockName, const Bytes& token, const Bytes& note, bool ownFolderNew = false)
{
    const Bytes scratch = sys::inFolder(sys::inFolder(lockName, token), "holder.new");
    if (!ownFolderNew)
        (void)removeName(scratch);
    if (const int error = sys::writeWholeFile(scratch, note, 0666, {}))
        return error;
    const int error = sys::renameReplacing(scratch, sys::inFolder(lockName, holderEntry));
    if (error)
        (void)removeName(scratch);
    return error;
}

// What a holder that lost its lock left half done in its folder, now the new holder's: days on
// their way to a new number go back under their own name; deletions, unpublished writes and
// notes go.
void inherit(const Bytes& lockName, const Bytes& own)
{
    for (const Bytes& entry : sys::folderEntries(own)) {
        const Bytes path = sys::inFolder(own, entry);
        if (entry.ends_with(".gone") || entry.ends_with(".saving") || entry.ends_with(".new")) {
            (void)removeName(path);
        } else if (const int error = renameWithoutReplacing(path, entry)) {
            addLockNotice({ .kind = LockNotice::Kind::NotPutBack,
                .lock = lockName,
                .file = entry,
                .code = error,
                .keptAs = path });
        }
    }
}

// Makes the holder's own folder in a lock folder whose note names none that stands, and looks
// whether another copy made one too: a copy that judged the lock unheld a moment before it was
// given up and made anew may be doing so beside this one. Of several doing so at once, each
// sees those that made theirs before it looked, so no two stay; all may step back and try
// again. The folder is listed only once this copy's own folder stands in it, so that no one can
// remove it meanwhile. A single other folder in an abandoned lock is one a copy renamed to its
// own and then stopped before it wrote its note: it is taken over by renaming it in turn, while
// the note is still the one found abandoned.
// 0 when the lock is this copy's, EEXIST when another's folder stands beside, or an errno
// value; foreign names an entry that no copy of the program makes.
int claim(const Bytes& lockName, const Bytes& token, const Bytes& note, const Bytes* abandonedNote, Bytes* foreign)
{
    const Bytes own = sys::inFolder(lockName, token);
    if (const int error = sys::makeFolder(own))
        return error;
    std::vector<Bytes> others;
    for (Bytes& entry : sys::folderEntries(lockName)) {
        if (isToken(entry) && entry != token)
            others.push_back(std::move(entry));
        else if (!isToken(entry) && entry != holderEntry && foreign && foreign->empty())
            *foreign = std::move(entry);
    }
    if (!others.empty() || (foreign && !foreign->empty())) {
        (void)sys::removeFolder(own);
        if (foreign && !foreign->empty())
            return EEXIST;
        // Only while the note is still the abandoned one: a copy that takes the lock over
        // writes its note before it renames, so a folder renamed meanwhile comes with a new note.
        // A folder with no note beside it, left by a copy stopped before it wrote one, is judged
        // by its own age: the lock folder's is renewed by every copy that looks in it this way.
        if (others.size() != 1
            || !((abandonedNote != nullptr && noteIn(lockName) == *abandonedNote)
                || (noteIn(lockName).empty() && entryAge(sys::inFolder(lockName, others.front())) > staleLockSeconds))
            || writeHolder(lockName, others.front(), note) != 0
            || sys::renameReplacing(sys::inFolder(lockName, others.front()), own) != 0)
            return EEXIST;
        inherit(lockName, own);
    }
    // The note only helps others to judge the lock, so one that cannot be written holds
    // nothing up: the lock is the own folder.
    (void)writeHolder(lockName, token, note, others.empty());
    return 0;
}

// Takes a stale lock over; true when this copy now holds it. foreign names what stands in the
// lock folder that no copy of the program makes.
bool takeOver(const Bytes& lockName, const LockLook& lock, const Bytes& token, const Bytes& note, Bytes& foreign)
{
    if (lock.oldLockFile) {
        // An earlier version's lock file: it goes, and the lock is taken anew.
        if (sys::removeLockFileIf(lockName, lock.identity))
            noteTakenOver(lockName, lock);
        return false;
    }
    if (lock.tokens.empty()) {
        // Nobody's work stands in it: taken without a word to the teacher.
        return claim(lockName, token, note, lock.abandoned ? &lock.noteBytes : nullptr, &foreign) == 0;
    }
    // The note first, so that no one takes the lock for unheld between the rename and the
    // note; the rename then decides which of several copies takes the lock over.
    if (writeHolder(lockName, lock.tokens.front(), note) != 0)
        return false;
    const Bytes own = sys::inFolder(lockName, token);
    if (sys::renameReplacing(sys::inFolder(lockName, lock.tokens.front()), own) != 0)
        return false;
    (void)writeHolder(lockName, token, note);
    inherit(lockName, own);
    noteTakenOver(lockName, lock);
    return true;
}

} // namespace

Bytes studentLockName(const Bytes& student)
{
    return ".~" + student + ".days.lock";
}

FolderLock::FolderLock(Bytes name, Bytes token, Bytes note)
    : m_name(std::move(name))
    , m_token(std::move(token))
    , m_note(std::move(note))
    , m_renewed(std::chrono::steady_clock::now())
{
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : m_name(std::move(other.m_name))
    , m_token(std::exchange(other.m_token, Bytes()))
    , m_note(std::move(other.m_note))
    , m_renewed(other.m_renewed)
{
}

FolderLock::~FolderLock()
{
    if (m_token.empty())
        return;
    const auto started = std::chrono::steady_clock::now();
    release();
    const auto now = std::chrono::steady_clock::now();
    const std::scoped_lock guard(recentReleasesMutex());
    recentReleases()[m_name] = { now, now - started };
}

void FolderLock::release()
{
    // The note goes first, into the own folder: once the own folder is gone, no step of this
    // holder's can succeed, and a note that someone is reading at that moment is deleted where
    // no one opens it anew (a share may answer I/O errors for a while to those who open a file
    // being deleted). When the own folder is gone already, the lock was taken over and is
    // another holder's now.
    // A Samba share refuses to move a file that another computer has open, as those waiting for
    // the lock have its note for a moment each time they look: tried again until they let go,
    // since a note left behind keeps the lock from going and makes them wait out
    // unheldLockSeconds.
    const Bytes own = ownPath({});
    int error = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        error = sys::renameReplacing(sys::inFolder(m_name, holderEntry), ownPath("holder.gone"));
        if (error != EBUSY && error != EACCES && error != EPERM)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1 + attempt % 5));
    }
    if (error != 0 && !held())
        return;
    // What else stands in the own folder is found when removing it fails.
    (void)removeName(ownPath("holder.gone"));
    // A share may refuse for a moment to remove what another computer still has open: tried
    // again briefly, then left for others to take as unheld.
    for (int attempt = 0; attempt < 50; ++attempt) {
        error = sys::removeFolder(own);
        if (error == ENOTEMPTY || error == EEXIST) {
            for (const Bytes& entry : sys::folderEntries(own))
                (void)removeName(sys::inFolder(own, entry));
        }
        if (error == 0 || error == ENOENT)
            error = sys::removeFolder(m_name);
        if (error == 0 || error == ENOENT
            || (error != EBUSY && error != EACCES && error != EPERM && error != ENOTEMPTY))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

Bytes FolderLock::ownPath(const Bytes& entry) const
{
    const Bytes own = sys::inFolder(m_name, m_token);
    return entry.empty() ? own : sys::inFolder(own, entry);
}

bool FolderLock::held() const
{
    sys::NameLook look;
    return !m_token.empty() && sys::lookAt(ownPath({}), look) == 0 && look.kind == sys::NameLook::Kind::Folder;
}

void FolderLock::renew()
{
    const auto now = std::chrono::steady_clock::now();
    if (m_token.empty() || now - m_renewed < renewEvery)
        return;
    m_renewed = now;
    (void)writeHolder(m_name, m_token, m_note);
}

// Moves a file into the holder's own folder: ENOLCK when that folder is gone.
int FolderLock::passThrough(const Bytes& from, const Bytes& entry) const
{
    const int error = sys::renameReplacing(from, ownPath(entry));
    if (error != 0 && !held())
        return ENOLCK;
    return error;
}

Status FolderLock::createFile(const Bytes& name, BytesView contents, bool* existedAlready, FileMode newFileMode) const
{
    if (existedAlready)
        *existedAlready = false;
    const Bytes scratch = ownPath(name + ".saving");
    int error = sys::writeWholeFile(scratch, contents, newFileMode, {});
    if (error == EEXIST) {
        (void)removeName(scratch);
        error = sys::writeWholeFile(scratch, contents, newFileMode, {});
    }
    if (error != 0)
        return sys::systemError(name, error == ENOENT && !held() ? ENOLCK : error);
    // Under the lock nobody else creates the name: once seen free, the rename publishes it.
    // Should an earlier version of the program, which takes no lock, create it meanwhile, a
    // file system that can refuses the rename.
    error = nameTaken(name) ? EEXIST : renameWithoutReplacing(scratch, name);
    if (error == 0)
        return success();
    (void)removeName(scratch);
    if (existedAlready)
        *existedAlready = error == EEXIST;
    return sys::systemError(name, error == ENOENT && !held() ? ENOLCK : error);
}

Status FolderLock::replaceFile(const Bytes& name, BytesView contents, FileMode newFileMode) const
{
    FileError unreachable;
    const Bytes target = sys::writeTarget(name, unreachable);
    if (target.empty())
        return unreachable;
    return replaceAt(name, target, contents, newFileMode, fileExists(target) ? target : Bytes());
}

Status FolderLock::replaceAt(
    const Bytes& name, const Bytes& target, BytesView contents, FileMode newFileMode, const Bytes& keepModeOf) const
{
    const size_t slash = target.find_last_of("/\\");
    const Bytes scratch = ownPath((slash == Bytes::npos ? target : target.substr(slash + 1)) + ".saving");
    (void)removeName(scratch);
    if (const int error = sys::writeWholeFile(scratch, contents, newFileMode, keepModeOf))
        return sys::systemError(name, error == ENOENT && !held() ? ENOLCK : error);
    if (const int error = sys::renameReplacing(scratch, target)) {
        (void)removeName(scratch);
        return sys::systemError(name, error == ENOENT && !held() ? ENOLCK : error);
    }
    return success();
}

std::optional<long long> FolderLock::serverTime() const
{
    sys::NameLook look;
    if (m_token.empty() || sys::lookAt(ownPath({}), look) != 0)
        return std::nullopt;
    return static_cast<long long>(look.modified);
}

Status FolderLock::replaceDerivedFile(const Bytes& name, BytesView contents) const
{
    return replaceAt(name, name, contents, 0666, Bytes());
}

int FolderLock::removeFile(const Bytes& name, long long expectedSize) const
{
    sys::NameLook look;
    if (const int error = sys::lookAt(name, look))
        return error;
    if (look.kind == sys::NameLook::Kind::Folder)
        return EISDIR;
    const Bytes gone = name + ".gone";
    if (const int error = passThrough(name, gone))
        return error;
    if (expectedSize >= 0 && fileSize(ownPath(gone)) != expectedSize) {
        (void)renameWithoutReplacing(ownPath(gone), name);
        return fileChangedMeanwhile;
    }
    // Deleted beside the day files, under a scratch file's name: where another copy still reads
    // it, Windows keeps the name until it is closed, and it must not keep the own folder, and so
    // the lock, from going (a name left there is swept at the next start).
    const Bytes aside = ".~" + name + "." + m_token.substr(0, 6);
    if (sys::renameReplacing(ownPath(gone), aside) != 0)
        return removeName(ownPath(gone));
    return removeName(aside);
}

int FolderLock::moveFile(const Bytes& from, const Bytes& to, long long expectedSize) const
{
    sys::NameLook look;
    if (const int error = sys::lookAt(from, look))
        return error;
    if (look.kind == sys::NameLook::Kind::Folder)
        return EISDIR;
    if (nameTaken(to))
        return EEXIST;
    if (const int error = passThrough(from, from))
        return error;
    int error = expectedSize >= 0 && fileSize(ownPath(from)) != expectedSize ? fileChangedMeanwhile : 0;
    if (error == 0)
        error = renameWithoutReplacing(ownPath(from), to);
    if (error != 0) {
        if (error == ENOENT && !held())
            return ENOLCK;
        (void)renameWithoutReplacing(ownPath(from), from);
    }
    return error;
}

Result<FolderLock> FolderLock::take(const Bytes& lockName, std::chrono::milliseconds wait)
{
    letWaitersGoFirst(lockName);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    const Bytes token = newToken();
    std::minstd_rand random(static_cast<unsigned>(std::hash<Bytes> {}(token)));
    const Bytes note = holderNote(token);
    LockLook lock;
    std::chrono::steady_clock::time_point looked;
    for (int round = 0;; ++round) {
        int error = sys::makeFolder(lockName);
        if (error == 0) {
            error = claim(lockName, token, note, nullptr, nullptr);
            if (error == 0)
                return FolderLock(lockName, token, note);
            if (error != EEXIST) {
                (void)sys::removeFolder(lockName);
                return sys::systemError(lockName, error);
            }
        }
        // Some shares refuse a name that is taken as not permitted rather than as existing, and
        // some answer an I/O error for a while when a folder or file another computer removes
        // is looked at that moment (smbnetfs): such an answer is waited out like a holder.
        if (transientError(error)) {
            if (std::chrono::steady_clock::now() >= deadline)
                return sys::systemError(lockName, error);
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 80));
            continue;
        }
        if (error != EEXIST && !((error == EPERM || error == EACCES) && nameTaken(lockName)))
            return sys::systemError(lockName, error);
        // A lock seen held is looked at again only now and then: between looks, trying to
        // make it is one round trip to a share, so a waiting copy sees it free soon after it
        // is given up, and the note is rarely open when its holder moves it away.
        const auto now = std::chrono::steady_clock::now();
        if (lock.state != LockLook::State::Held || now - looked >= lookAgainAfter) {
            lock = inspect(lockName);
            looked = now;
        }
        switch (lock.state) {
        case LockLook::State::Gone:
            if (round < 1000)
                continue;
            break;
        case LockLook::State::Unreadable:
            if (!transientError(lock.error) || std::chrono::steady_clock::now() >= deadline)
                return sys::systemError(lockName, lock.error);
            std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 80));
            continue;
        case LockLook::State::Foreign:
            return FileError { .file = lockName, .why = lock.what, .text = lock.entry };
        case LockLook::State::Stale: {
            Bytes foreign;
            if (takeOver(lockName, lock, token, note, foreign) && !lock.oldLockFile)
                return FolderLock(lockName, token, note);
            if (!foreign.empty())
                return FileError { .file = lockName, .why = Failure::FolderForLock, .text = foreign };
            break;
        }
        case LockLook::State::Held:
            break;
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return FileError { .file = lockName,
                .why = Failure::InUse,
                .holder = holderOf(lock.note.host.empty() ? parseNote(noteIn(lockName)) : lock.note) };
        std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 4000));
    }
}

std::vector<LockNotice> takeLockNotices()
{
    const std::scoped_lock guard(lockMemoryMutex());
    return std::exchange(lockNotices(), {});
}

namespace {

std::vector<BytesView> splitView(BytesView text, char separator)
{
    std::vector<BytesView> parts;
    for (size_t start = 0; start <= text.size();) {
        const size_t end = std::min(text.find(separator, start), text.size());
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// A field of the mount table, its blanks and the like written as \ and three octal digits.
Bytes unescapedMountField(BytesView field)
{
    Bytes text;
    for (size_t i = 0; i < field.size(); ++i) {
        const auto octal = [&](size_t at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
            text += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            text += field[i];
        }
    }
    return text;
}

bool isNetworkFileSystem(const Bytes& type)
{
    static constexpr std::string_view kernel[]
        = { "nfs", "nfs4", "cifs", "smb3", "smbfs", "ncpfs", "9p", "ceph", "afs", "coda", "davfs", "glusterfs" };
    static constexpr std::string_view userSpace[]
        = { "sshfs", "smbnetfs", "gvfsd-fuse", "rclone", "curlftpfs", "s3fs", "glusterfs", "davfs2" };
    if (std::ranges::find(kernel, type) != std::end(kernel))
        return true;
    return type.starts_with("fuse.") && std::ranges::find(userSpace, BytesView(type).substr(5)) != std::end(userSpace);
}

} // namespace

Bytes networkShareIn(BytesView mountTable, const Bytes& folder)
{
    // The mount whose mount point is the longest leading part of the folder; of two on one
    // mount point, the later, which hides the earlier.
    size_t longest = 0;
    Bytes type;
    for (BytesView line : splitView(mountTable, '\n')) {
        const std::vector<BytesView> fields = splitView(line, ' ');
        const auto dash = std::ranges::find(fields, BytesView("-"));
        if (fields.size() < 5 || dash == fields.end() || dash + 1 == fields.end())
            continue;
        const Bytes point = unescapedMountField(fields[4]);
        const bool inside = point == "/"
            || (folder.starts_with(point) && (folder.size() == point.size() || folder[point.size()] == '/'));
        if (inside && point.size() >= longest) {
            longest = point.size();
            type = Bytes(dash[1]);
        }
    }
    return isNetworkFileSystem(type) ? type : Bytes();
}

long long fileSize(const Bytes& name)
{
    sys::NameLook look;
    if (sys::lookAt(name, look) != 0 || look.kind != sys::NameLook::Kind::Regular)
        return -1;
    return look.size;
}

} // namespace quorvex
