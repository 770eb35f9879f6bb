// The products of one menu folder in filing order, each with the amount eaten and its calories.
// A tap opens the consumption editor; delete takes the product out of the folder.
#pragma once

#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "store/Rows.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class FavoriteVCFolderNewListener {
public:
    virtual ~FavoriteVCFolderNewListener() = default;
    virtual void itemsChanged() = 0;
};

struct FolderItemRow {
    std::string name;
    std::string maker;
    std::string calories; // "%@ kcal" with the stored text
    std::string amount;   // the amount rule
};

class FavoriteVCFolderNew : public Screen {
public:
    FavoriteVCFolderNew(Platform platform, Database& shared, Navigation& navigation,
                        std::string folderNumber, std::string title);
    ~FavoriteVCFolderNew() override;

    static const char* backTitleKey() { return key("Zurück"); }

    void setListener(FavoriteVCFolderNewListener* listener) { listener_ = listener; }
    const std::string& title() const { return titleString_; }

    void viewDidLoad();
    // Builds the lists from the store (every appearance).
    void viewWillAppear();
    // Writes each listed product's favourite sort order: its row index here.
    void viewWillDisappear();

    int numberOfRows() const { return static_cast<int>(dataArray_.size()); }
    // A folder without products shows a hint in the place of the list.
    bool emptyHintShown() const { return dataArray_.empty(); }
    static const char* emptyHintKey() {
        return key("Dieser Ordner ist leer. Fügen Sie Produkte über deren Detailansicht hinzu.");
    }
    FolderItemRow row(int row) const;
    std::string productId(int row) const;
    void didSelectRow(int row);
    // Takes the product out of the folder (its favourite mark goes too).
    void deleteRow(int row);

private:
    void buildLists();
    void changed();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    std::string folderNumberString_;
    std::string titleString_;
    FavoriteVCFolderNewListener* listener_ = nullptr;
    std::vector<FavoriteRow> dataArray_;
    std::vector<std::string> kcalArray_;
    std::vector<std::string> gmArray_;
};

} // namespace tolvane
