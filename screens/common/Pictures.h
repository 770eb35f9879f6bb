// Pictures by the names the screens use ("ampel_green", "column.png"): SVG files in
// <resourceDir>/pictures named without ".png". A missing file gives an empty picture and
// one log line per name. The folder is also registered as the Qt search path "pictures:",
// so any widget can load QIcon("pictures:info.svg").
#pragma once

#include "platform/Log.h"

#include <QIcon>
#include <QPixmap>
#include <QSet>
#include <QString>

#include <memory>

class QSvgRenderer;

namespace tolvane {

// A picture by its screen name from the "pictures:" search path ("column.png" is column.svg).
inline QIcon namedPicture(QString name) {
    if (name.endsWith(".png")) name.chop(4);
    return QIcon("pictures:" + name + ".svg");
}

class Pictures {
public:
    Pictures(const QString& resourceDir, Log& log);

    // The file for a picture name, whether it exists or not.
    QString path(const QString& name) const;
    bool has(const QString& name) const;
    QIcon icon(const QString& name) const;
    // Rendered at the size in points, sharp on the given device pixel ratio.
    QPixmap pixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0) const;
    // The picture in one colour (bar buttons on a coloured bar).
    QIcon tinted(const QString& name, const QColor& color) const;
    // Null when the file is missing or broken.
    std::shared_ptr<QSvgRenderer> renderer(const QString& name) const;

private:
    bool check(const QString& name) const;

    QString directory_;
    Log& log_;
    mutable QSet<QString> reported_;
};

} // namespace tolvane
