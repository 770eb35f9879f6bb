// Creates a menu folder from a typed name. The name is checked on every return key and again on
// leaving when it changed since; a valid name is stored on leaving, at most one folder per
// screen, at the end of the list with the next folder id. A folder that cannot be stored (the
// list unread, the row refused) is said.
#pragma once

#include "nutrition/FolderRules.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <memory>
#include <optional>
#include <string>

namespace tolvane {

class Database;

class AddMenuFolderListener {
public:
    virtual ~AddMenuFolderListener() = default;
    // The return key was handled: the keyboard goes away.
    virtual void hideKeyboard() = 0;
};

class AddMenuFolderVC : public Screen {
public:
    AddMenuFolderVC(Platform platform, Database& shared, Navigation& navigation);
    ~AddMenuFolderVC() override;

    static const char* titleKey() { return key("Add folder"); }
    static const char* folderNotStoredKey() {
        return key("Der Ordner konnte nicht angelegt werden. Bitte versuchen Sie es noch einmal.");
    }
    static const char* headingKey() { return key("Create new folder"); }
    static const char* fieldLabelKey() { return key("Folder Name"); }
    static const char* doneButtonKey() { return key("Fertig"); }
    static constexpr bool showsBackButton() { return false; }

    void setListener(AddMenuFolderListener* listener) { listener_ = listener; }

    void viewWillAppear();
    // The text field's text, as the user edits it.
    void setText(const std::string& text) { text_ = text; }
    const std::string& text() const { return text_; }
    void returnKey();
    // "Fertig": closes the screen (leaving stores the folder).
    void donePressed();
    void viewWillDisappear();

private:
    // False when the folder list could not be read.
    bool readLargest();
    void validate();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    AddMenuFolderListener* listener_ = nullptr;
    std::string text_;
    std::optional<std::string> validatedText_;
    int add_ = 0; // 0 not validated, 1 valid, 2 rejected
    int biggest_ = 0;
    int sortbiggest_ = -1;
    std::optional<int> storedId_;
};

} // namespace tolvane
