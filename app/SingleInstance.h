// One copy of the program per documents folder. Two copies on one file would both change it
// (and upload the same own products twice), so the copy that starts first holds a lock file in
// the folder while it runs (platform/LockFile.h): only a copy that is running holds it up,
// whatever a killed copy or a power cut left there. The holder also listens on a local socket
// named after the folder: a second start connects to it, which brings the holder's window to
// the front.
//
// Made, used and destroyed on the UI thread.
#pragma once

#include "platform/LockFile.h"

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace tolvane {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& documentsDir, QObject* parent = nullptr);
    ~SingleInstance() override;

    static constexpr const char* lockFileName = LockFile::folderLockName;

    // Held: another running copy holds the folder. A folder where no lock can be made
    // (read-only) is not refused (Unavailable): nothing can be saved there.
    LockFile::Claim claim();
    // The lock file, for the user to remove when it can be neither taken nor removed.
    QString lockPath() const;
    // Refused: asks the copy that holds the folder to bring its window to the front.
    void raiseHolder();

signals:
    // A second start asked for this copy's window.
    void raiseRequested();

private:
    void listen();

    LockFile lock_;
    QString socketName_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace tolvane
