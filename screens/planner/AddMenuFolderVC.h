// Creates a menu folder from a typed name. The name is checked as it is typed (a note under the
// field says what is wrong or that the name exists), on the return key, on "Fertig" and again on
// leaving when it changed since. "Fertig" keeps the screen open on a refused name and asks before
// a second folder of the same name; "Cancel" leaves without a folder. A valid name is stored on
// leaving, at most one folder per screen, at the end of the list with the next folder id. A
// folder that cannot be stored (the list unread, the row refused) is said.
#pragma once

#include "nutrition/FolderRules.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class AddMenuFolderListener {
public:
    virtual ~AddMenuFolderListener() = default;
    // The return key was handled: the keyboard goes away.
    virtual void hideKeyboard() = 0;
    // The note under the field changed.
    virtual void noteChanged() = 0;
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
    static const char* cancelButtonKey() { return key("Cancel"); }
    static const char* nameExistsKey() { return key("Pop-Up Add Folder Exists"); }
    static const char* addAnywayKey() { return key("Add Folder Anyway"); }
    static constexpr bool showsBackButton() { return false; }

    void setListener(AddMenuFolderListener* listener) { listener_ = listener; }

    void viewWillAppear();
    // The text field's text, as the user edits it.
    void setText(const std::string& text);
    const std::string& text() const { return text_; }
    // The key of what is wrong with the typed name, or that it exists; "" for a fine or empty one.
    const std::string& noteKey() const { return noteKey_; }
    // Return in the field: a typed name is saved as with "Fertig", an empty field stays.
    void returnKey();
    // "Fertig": closes the screen (leaving stores the folder), unless the name is refused or
    // exists and the second folder is not confirmed.
    void donePressed();
    // "Cancel": closes the screen without a folder.
    void cancelPressed();
    void viewWillDisappear();

private:
    // False when the folder list could not be read.
    bool readLargest();
    void validate();
    bool nameExists(const std::string& name) const;

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
    std::vector<std::string> names_; // the folders' shown names
    std::string noteKey_;
    std::optional<std::string> confirmedDuplicate_;
    bool cancelled_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
