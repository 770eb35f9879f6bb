// The root of the planner tab: the menu folders in the user's order with their calorie totals.
// Editing adds, deletes and moves folders; a tap opens a folder's summary, or while editing its
// products. Every appearance first takes products that left the catalogue out of the folders.
#pragma once

#include "PlannerHost.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "store/Rows.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class MenuFolderListener {
public:
    virtual ~MenuFolderListener() = default;
    virtual void foldersChanged() = 0;
    // Editing mode was entered or left.
    virtual void editingChanged() {}
};

class MenuFolderVC : public Screen {
public:
    MenuFolderVC(Platform platform, Database& shared, Navigation& navigation,
                 PlannerHost host = {});
    ~MenuFolderVC() override;

    static const char* titleKey() { return key("Menu List"); }
    static const char* rowBackground(int row) {
        return row % 2 == 0 ? "category_bg_dark.png" : "category_bg_light.png";
    }

    void setListener(MenuFolderListener* listener) { listener_ = listener; }

    // Shows the first-launch hint when due.
    void viewDidLoad();
    // Orphan cleanup, then the folders read again.
    void viewWillAppear();
    // Writes the list order as the folders' sort orders.
    void viewWillDisappear();

    int numberOfRows() const { return static_cast<int>(dataArray_.size()); }
    std::string rowTitle(int row) const;
    std::string rowCalories(int row) const;
    std::string folderId(int row) const;

    bool isEditing() const { return editing_; }
    // "Bearbeiten" outside editing, "Fertig" inside.
    const char* rightButtonKey() const { return editing_ ? key("Fertig") : key("Bearbeiten"); }
    bool showsAddButton() const { return editing_; }
    void rightButtonPressed();
    // Opens the new-folder screen.
    void addPressed();

    // The diary's row above the folders: today's energy, and a tap opens the day.
    static const char* diaryKey() { return key("Tagebuch"); }
    const std::string& diaryTodayText() const { return diaryToday_; }
    void openDiary();

    void didSelectRow(int row);
    void deleteRow(int row);
    void moveRow(int from, int to);

private:
    void reloadFolders();
    void openSummary(int row);
    void openContents(int row);
    void changed();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    PlannerHost host_;
    MenuFolderListener* listener_ = nullptr;
    std::vector<FolderRow> dataArray_;
    bool editing_ = false;
    std::string diaryToday_;
};

} // namespace tolvane
