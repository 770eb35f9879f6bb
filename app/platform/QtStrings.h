// String tables compiled from the Linguist files; context "Tolvane", the key is the source text.
#pragma once

#include "platform/Log.h"
#include "platform/Strings.h"

#include <QString>
#include <QTranslator>

namespace tolvane {

class QtStrings : public Strings {
public:
    // Loads <directory>/tolvane_<language>.qm; a missing table is logged and keys show as they are.
    QtStrings(const QString& directory, const QString& language, Log& log);

    std::string text(const std::string& key) const override;
    QString qtext(const char* key) const { return QString::fromStdString(text(key)); }

    bool loaded() const { return loaded_; }
    const QString& language() const { return language_; }
    // Makes the table answer QCoreApplication::translate("Tolvane", key) as well.
    void install();

private:
    QTranslator translator_;
    QString language_;
    bool loaded_ = false;
};

} // namespace tolvane
