#include "AddMenuFolderVC.h"

#include "screens/filing/FolderName.h"

#include "nutrition/NumberText.h"
#include "store/Database.h"
#include "store/PlannerStore.h"

#include <algorithm>

namespace tolvane {

AddMenuFolderVC::AddMenuFolderVC(Platform platform, Database& shared, Navigation& navigation)
    : platform_(platform), shared_(shared), navigation_(navigation) {}

AddMenuFolderVC::~AddMenuFolderVC() = default;

void AddMenuFolderVC::viewWillAppear() {
    add_ = 0;
    readLargest();
}

bool AddMenuFolderVC::readLargest() {
    biggest_ = 0;
    sortbiggest_ = -1;
    names_.clear();
    bool any = false;
    const auto folders = PlannerStore(shared_).selectMenuItemsSortByOrder();
    if (shared_.lastReadFailed()) return false;
    for (const FolderRow& folder : folders) {
        names_.push_back(folderDisplayName(folder, platform_.strings));
        const int id = integerValue(folder.folderId);
        const int sort = integerValue(folder.sortOrder);
        biggest_ = any ? std::max(biggest_, id) : id;
        sortbiggest_ = any ? std::max(sortbiggest_, sort) : sort;
        any = true;
    }
    if (!any) {
        biggest_ = 0;
        sortbiggest_ = -1;
    }
    return true;
}

void AddMenuFolderVC::returnKey() {
    if (listener_) listener_->hideKeyboard();
    // A typed name is saved as with "Fertig"; an empty field leaves the screen open.
    if (checkFolderName(text_) == FolderNameCheck::Empty)
        validate();
    else
        donePressed();
}

void AddMenuFolderVC::setText(const std::string& text) {
    text_ = text;
    std::string note;
    switch (checkFolderName(text_)) {
    case FolderNameCheck::Empty:
        break;
    case FolderNameCheck::TooLong:
        note = key("Pop-Up Add Folder");
        break;
    case FolderNameCheck::InvalidCharacters:
        note = key("Pop-Up Add Folder2");
        break;
    case FolderNameCheck::Valid:
        if (nameExists(text_)) note = nameExistsKey();
        break;
    }
    if (note == noteKey_) return;
    noteKey_ = note;
    if (listener_) listener_->noteChanged();
}

bool AddMenuFolderVC::nameExists(const std::string& name) const {
    return std::any_of(names_.begin(), names_.end(),
                       [&](const std::string& shown) { return sameFolderName(shown, name); });
}

void AddMenuFolderVC::donePressed() {
    const FolderNameCheck check = checkFolderName(text_);
    if (check == FolderNameCheck::TooLong || check == FolderNameCheck::InvalidCharacters) {
        validate(); // says why; the screen stays with the typed text
        return;
    }
    if (check == FolderNameCheck::Valid && nameExists(text_) && confirmedDuplicate_ != text_) {
        std::weak_ptr<int> alive = alive_;
        const std::string asked = text_;
        platform_.alerts.show({nameExistsKey(), "", {cancelButtonKey(), addAnywayKey()}, 0},
                              [this, alive, asked](int button) {
                                  if (!alive.lock() || button != 1 || asked != text_) return;
                                  confirmedDuplicate_ = asked;
                                  navigation_.pop();
                              });
        return;
    }
    navigation_.pop();
}

void AddMenuFolderVC::cancelPressed() {
    cancelled_ = true;
    navigation_.pop();
}

void AddMenuFolderVC::validate() {
    validatedText_ = text_;
    switch (checkFolderName(text_)) {
    case FolderNameCheck::Empty:
        add_ = 2;
        return;
    case FolderNameCheck::TooLong:
        add_ = 2;
        platform_.alerts.show({key("Pop-Up Add Folder"), "", {key("Ok")}});
        return;
    case FolderNameCheck::InvalidCharacters:
        add_ = 2;
        platform_.alerts.show({key("Pop-Up Add Folder2"), "", {key("Ok")}});
        return;
    case FolderNameCheck::Valid:
        add_ = 1;
        return;
    }
}

void AddMenuFolderVC::viewWillDisappear() {
    if (cancelled_) return;
    // The name stored is always the name that was checked.
    if (add_ == 0 || !validatedText_ || *validatedText_ != text_) validate();
    if (add_ != 1 || storedId_) return;
    // A second folder of a shown name only when "Fertig" confirmed it.
    if (nameExists(text_) && confirmedDuplicate_ != text_) return;
    // Read again: the list may have changed since the screen appeared. A list that could not be
    // read is not an empty one: the next id may well be taken.
    const bool read = readLargest();
    if (read) {
        sortbiggest_ += 1;
        biggest_ += 1;
        PlannerStore(shared_).insertIntoMenuFolder(formatInt(sortbiggest_), text_, "0",
                                                   FolderId{biggest_}, "0");
    }
    if (!read || PlannerStore(shared_).selectCaloryValueForUpdation(FolderId{biggest_}).empty()) {
        platform_.log.write("Folder " + text_ + " not stored");
        platform_.alerts.show({"", folderNotStoredKey(), {key("OK")}});
        return;
    }
    storedId_ = biggest_;
}

} // namespace tolvane
