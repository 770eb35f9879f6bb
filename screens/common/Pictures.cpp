#include "screens/common/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace tolvane {

Pictures::Pictures(const QString& resourceDir, Log& log)
    : directory_(resourceDir + "/pictures"), log_(log) {
    QDir::setSearchPaths("pictures", {directory_});
}

QString Pictures::path(const QString& name) const {
    QString base = name;
    if (base.endsWith(".png", Qt::CaseInsensitive) || base.endsWith(".svg", Qt::CaseInsensitive))
        base.chop(4);
    return directory_ + "/" + base + ".svg";
}

bool Pictures::has(const QString& name) const {
    return !name.isEmpty() && QFileInfo(path(name)).isFile();
}

bool Pictures::check(const QString& name) const {
    if (has(name)) return true;
    if (!reported_.contains(name)) {
        reported_.insert(name);
        log_.warn("Picture missing: " + name.toStdString());
    }
    return false;
}

QIcon Pictures::icon(const QString& name) const {
    return check(name) ? QIcon(path(name)) : QIcon();
}

std::shared_ptr<QSvgRenderer> Pictures::renderer(const QString& name) const {
    if (!check(name)) return nullptr;
    auto svg = std::make_shared<QSvgRenderer>(path(name));
    if (!svg->isValid()) {
        if (!reported_.contains(name)) {
            reported_.insert(name);
            log_.warn("Picture unreadable: " + name.toStdString());
        }
        return nullptr;
    }
    return svg;
}

QPixmap Pictures::pixmap(const QString& name, QSize size, qreal devicePixelRatio) const {
    auto svg = renderer(name);
    if (!svg || size.isEmpty()) return {};
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg->render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

} // namespace tolvane

namespace tolvane {

QIcon Pictures::tinted(const QString& name, const QColor& color) const {
    QPixmap picture = pixmap(name, QSize(24, 24), 3.0);
    if (picture.isNull()) return {};
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(0, 0), picture.size()), color);
    return QIcon(picture);
}

} // namespace tolvane
