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
    // Makes the table answer QCoreApplication::translate("Tolvane", key) as well, and Qt's own
    // texts (the picture dialog's buttons, a field's context menu) come in the same language.
    void install();

private:
    QTranslator translator_;
    // Qt's own table for the language, from Qt's translations; without it Qt speaks English.
    QTranslator qtTranslator_;
    bool qtLoaded_ = false;
    QString language_;
    bool loaded_ = false;
};

} // namespace tolvane
