#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>

namespace tolvane {
namespace {

// The same folder reached by another path gives the same name.
QString socketNameFor(const QString& documentsDir) {
    const QFileInfo folder(documentsDir);
    const QString path = folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath()
                                                              : folder.canonicalFilePath();
    return "tolvane-" +
           QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(24));
}

} // namespace

SingleInstance::SingleInstance(const QString& documentsDir, QObject* parent)
    : QObject(parent), lock_(QDir(documentsDir).filePath(lockFileName).toStdString()),
      socketName_(socketNameFor(documentsDir)) {}

SingleInstance::~SingleInstance() = default;

LockFile::Claim SingleInstance::claim() {
    const LockFile::Claim claim = lock_.claim();
    if (claim == LockFile::Claim::Taken && !server_) listen();
    return claim;
}

QString SingleInstance::lockPath() const {
    return QString::fromStdString(lock_.path());
}

void SingleInstance::raiseHolder() {
    QLocalSocket holder;
    holder.connectToServer(socketName_);
    if (holder.waitForConnected(1000)) holder.disconnectFromServer();
}

void SingleInstance::listen() {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Only the lock's holder listens: a socket left by a killed copy is in the way, no more.
    QLocalServer::removeServer(socketName_);
    if (!server_->listen(socketName_)) return;
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            caller->disconnectFromServer();
            caller->deleteLater();
            emit raiseRequested();
        }
    });
}

} // namespace tolvane
