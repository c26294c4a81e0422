#include "app/RecoveryKeeper.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "model/CZorvEditorDoc.h"
#include "model/FileOps.h"

namespace fs = std::filesystem;

namespace zorv {

namespace {

// After the last change, once the user has paused.
constexpr int kIdleMs = 1000;
// After the first change not yet in a snapshot, however busy the user is.
constexpr int kDeadlineMs = 4000;

std::string newSession() {
    return std::to_string(::getpid()) + "-" +
           QString::number(QRandomGenerator::global()->generate(), 16).toStdString();
}

fs::path openProjectNote(const fs::path& folder, const std::string& session) {
    return folder / (session + ".project");
}

std::string lockReason(QLockFile::LockError error) {
    if (error == QLockFile::PermissionError)
        return "the recovery folder cannot be written";
    return "the recovery folder's lock cannot be made";
}

// A lock that is held counts whatever its age: only an editor that is no longer running
// lets go of it.
std::unique_ptr<QLockFile> sessionLock(const fs::path& file) {
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(file.string()));
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

RecoveryKeeper::RecoveryKeeper(CZorvEditorDoc& document, const fs::path& workFolder,
                               std::string editorVersion, QObject* parent)
    : QObject(parent), document_(document), folder_(recoveryFolder(workFolder)),
      session_(newSession()), editorVersion_(std::move(editorVersion)) {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec) {
        reason_ = ec.message();
    } else {
        lock_ = sessionLock(sessionLockFile(folder_, session_));
        if (!lock_->tryLock(0))
            reason_ = lockReason(lock_->error());
    }
    idle_.setSingleShot(true);
    idle_.setInterval(kIdleMs);
    deadline_.setSingleShot(true);
    deadline_.setInterval(kDeadlineMs);
    connect(&idle_, &QTimer::timeout, this, &RecoveryKeeper::takeSnapshot);
    connect(&deadline_, &QTimer::timeout, this, &RecoveryKeeper::takeSnapshot);
    worker_ = std::thread([this] { run(); });
}

RecoveryKeeper::~RecoveryKeeper() {
    if (!keepOnExit_)
        queue(Job{true, {}, 0});
    {
        std::lock_guard guard(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    worker_.join();
    fileops::removeFile(openProjectNote(folder_, session_));
}

void RecoveryKeeper::documentChanged() {
    noteOpenProject();
    if (!document_.modified()) {
        // Saved or discarded: nothing is left to recover.
        idle_.stop();
        deadline_.stop();
        queue(Job{true, {}, 0});
        return;
    }
    idle_.start();
    if (!deadline_.isActive())
        deadline_.start();
}

void RecoveryKeeper::takeSnapshot() {
    idle_.stop();
    deadline_.stop();
    if (!active() || !document_.modified())
        return;
    queue(Job{false, captureSnapshot(document_), QDateTime::currentSecsSinceEpoch()});
}

void RecoveryKeeper::writeNow() {
    takeSnapshot();
    waitIdle();
}

void RecoveryKeeper::queue(Job job) {
    if (!active())
        return;
    {
        std::lock_guard guard(mutex_);
        // Only the latest state counts: a snapshot not yet written is replaced.
        pending_ = std::move(job);
    }
    wake_.notify_all();
}

void RecoveryKeeper::waitIdle() {
    std::unique_lock guard(mutex_);
    done_.wait(guard, [this] { return !pending_ && !busy_; });
}

void RecoveryKeeper::run() {
    const fs::path file = snapshotFile(folder_, session_);
    std::unique_lock guard(mutex_);
    for (;;) {
        wake_.wait(guard, [this] { return stop_ || pending_; });
        if (!pending_ && stop_)
            return;
        Job job = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        guard.unlock();
        std::string reason;
        if (job.remove) {
            fileops::removeFile(file);
        } else if (!writeSnapshot(file, completeSnapshot(job.source, job.takenAt, editorVersion_),
                                  reason)) {
            QMetaObject::invokeMethod(
                this, [this, reason] { writeFailed(reason); }, Qt::QueuedConnection);
        }
        guard.lock();
        busy_ = false;
        done_.notify_all();
    }
}

void RecoveryKeeper::writeFailed(const std::string& reason) {
    if (told_)
        return;
    told_ = true;
    emit unavailable(QString::fromStdString(reason));
}

void RecoveryKeeper::noteOpenProject() {
    const std::string path = document_.path().string();
    if (!active() || path == openProject_)
        return;
    openProject_ = path;
    const fs::path note = openProjectNote(folder_, session_);
    if (path.empty())
        fileops::removeFile(note);
    else
        fileops::replaceFile(note, {reinterpret_cast<const uint8_t*>(path.data()), path.size()});
}

std::vector<OrphanSnapshot>
RecoveryKeeper::claimOrphans(const std::optional<std::string>& projectPath) {
    std::vector<OrphanSnapshot> orphans;
    for (const fs::path& file : snapshotFiles(folder_)) {
        const std::string session = snapshotSession(file);
        if (session == session_)
            continue;
        auto lock = sessionLock(sessionLockFile(folder_, session));
        // A lock held by a running editor: its snapshot is that editor's own.
        if (!lock->tryLock(0))
            continue;
        OrphanSnapshot orphan{file, {}, std::move(lock)};
        std::string reason;
        if (!readSnapshot(file, orphan.snapshot, reason))
            continue;
        if (projectPath && orphan.snapshot.projectPath != *projectPath)
            continue;
        orphans.push_back(std::move(orphan));
    }
    return orphans;
}

void RecoveryKeeper::discard(OrphanSnapshot& orphan) {
    fileops::removeFile(orphan.file);
    fileops::removeFile(openProjectNote(orphan.file.parent_path(), snapshotSession(orphan.file)));
}

bool RecoveryKeeper::openElsewhere(const std::string& projectPath) const {
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() != ".project")
            continue;
        const std::string session = it->path().stem().string();
        if (session == session_)
            continue;
        const auto note = fileops::readFile(it->path());
        if (!note || std::string(note->begin(), note->end()) != projectPath)
            continue;
        // A note is true only while its editor holds its lock.
        auto lock = sessionLock(sessionLockFile(folder_, session));
        if (lock->tryLock(0)) {
            lock->unlock();
            fileops::removeFile(it->path());
            continue;
        }
        return true;
    }
    return false;
}

} // namespace zorv
