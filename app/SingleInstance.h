// One copy of the program per documents folder. Two copies on one file would both change it
// (and upload the same own products twice), so the copy that starts first holds a lock file in
// the folder while it runs; a copy that was killed leaves a stale lock, which the next start
// takes over. The holder also listens on a local socket named after the folder: a second start
// connects to it, which brings the holder's window to the front.
//
// Made, used and destroyed on the UI thread.
#pragma once

#include <QLockFile>
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

    static constexpr const char* lockFileName = "Tolvane.lock";

    // False when another running copy holds the folder. A folder where no lock can be made
    // (read-only) is not refused: nothing can be saved there.
    bool claim();
    // Refused: asks the copy that holds the folder to bring its window to the front.
    void raiseHolder();

signals:
    // A second start asked for this copy's window.
    void raiseRequested();

private:
    void listen();

    QLockFile lock_;
    QString socketName_;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace tolvane
