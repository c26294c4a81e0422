#pragma once
// Keeps a recovery snapshot of the open project while it has unsaved changes: written once the
// user has paused for a second after a change and never later than four seconds after it, by a
// worker thread, into the recovery folder of the work folder; removed once the changes are
// saved or discarded and at a clean end. The lock the editor holds there while it runs tells a
// snapshot of a running editor from one left by an editor that died.

#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "model/recovery/RecoveryFiles.h"

namespace zorv {

class CZorvEditorDoc;

// A snapshot left by an editor that ended without dealing with its changes, claimed (its lock
// held) by this editor while the user decides about it.
struct OrphanSnapshot {
    std::filesystem::path file;
    RecoverySnapshot snapshot;
    std::unique_ptr<QLockFile> lock;
};

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(CZorvEditorDoc& document, const std::filesystem::path& workFolder,
                   std::string editorVersion, QObject* parent = nullptr);
    // A clean end: the snapshot goes, unless keepOnExit() was called.
    ~RecoveryKeeper() override;

    // After every change of the document (edits, save, new, open, discard).
    void documentChanged();
    // Writes the snapshot of the project as it is now and waits until it is on disk.
    void writeNow();
    // The editor ends without the user's answer about the changes (a signal): the snapshot
    // stays for the next start.
    void keepOnExit() { keepOnExit_ = true; }

    // Whether snapshots are written; when not, why.
    bool active() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }
    const std::filesystem::path& folder() const { return folder_; }

    // The snapshots of editors that are no longer running, those of `projectPath` only when it
    // is given; each comes with its lock held until it is dropped.
    std::vector<OrphanSnapshot> claimOrphans(const std::optional<std::string>& projectPath = {});
    // Deletes a claimed snapshot.
    static void discard(OrphanSnapshot& orphan);

    // Whether another running editor has `projectPath` open.
    bool openElsewhere(const std::string& projectPath) const;

signals:
    // Snapshots are off (the work folder cannot be written): said once.
    void unavailable(const QString& reason);

private:
    struct Job {
        bool remove = false;
        SnapshotSource source;
        int64_t takenAt = 0;
    };
    void takeSnapshot();
    void queue(Job job);
    void waitIdle();
    void run();
    void writeFailed(const std::string& reason);
    void noteOpenProject();

    CZorvEditorDoc& document_;
    std::filesystem::path folder_;
    std::string session_;
    std::string editorVersion_;
    std::unique_ptr<QLockFile> lock_;
    std::string reason_;
    bool told_ = false;
    bool keepOnExit_ = false;
    std::string openProject_;
    QTimer idle_;
    QTimer deadline_;

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::optional<Job> pending_;
    bool busy_ = false;
    bool stop_ = false;
    std::thread worker_;
};

} // namespace zorv
