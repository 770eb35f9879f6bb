#include "AddMenuFolderVC.h"

#include "nutrition/NumberText.h"
#include "store/Database.h"

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
    bool any = false;
    const auto folders = shared_.selectMenuItemsSortByOrder();
    if (shared_.lastReadFailed()) return false;
    for (const FolderRow& folder : folders) {
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
    validate();
}

void AddMenuFolderVC::donePressed() {
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
    // The name stored is always the name that was checked.
    if (add_ == 0 || !validatedText_ || *validatedText_ != text_) validate();
    if (add_ != 1 || storedId_) return;
    // Read again: the list may have changed since the screen appeared. A list that could not be
    // read is not an empty one: the next id may well be taken.
    const bool read = readLargest();
    if (read) {
        sortbiggest_ += 1;
        biggest_ += 1;
        shared_.insertIntoMenuFolder(formatInt(sortbiggest_), text_, "0", biggest_, "0");
    }
    if (!read || shared_.selectCaloryValueForUpdation(formatInt(biggest_)).empty()) {
        platform_.log.write("Folder " + text_ + " not stored");
        platform_.alerts.show({"", folderNotStoredKey(), {key("OK")}});
        return;
    }
    storedId_ = biggest_;
}

} // namespace tolvane
