// A menu folder's nutrient totals against the user's daily amounts: five horizontal bars, each
// with its percentage and the total. The references scale with the profile's daily calories;
// without them the fixed amounts stand, and the screen says so.
#pragma once

#include "nutrition/FolderGda.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <string>
#include <utility>

namespace tolvane {

class Database;

class ProductDetailPortraitListener {
public:
    virtual ~ProductDetailPortraitListener() = default;
    virtual void barsChanged() = 0;
};

class ProductDetailPortraitVC : public Screen {
public:
    ProductDetailPortraitVC(Platform platform, Database& shared);

    static const char* headingKey() { return key("Tageskalorien- & Nährwertbedarf"); }
    static const char* fixedReferencesKey() { return key("Folder GDA Fixed References"); }
    static const char* barTitleKey(Nutrient nutrient);
    static constexpr int kBarThickness = kFolderBarThickness;
    static constexpr double kPointsPerPercent = kFolderBarPointsPerPercent;
    // Shown over the whole window, without the tab bar.
    static constexpr bool hidesTabBar() { return true; }

    void setListener(ProductDetailPortraitListener* listener) { listener_ = listener; }

    void viewDidLoad();
    // The folder's totals in nutrient order: grams "%.1f", energy "%.0f" kcal.
    void drawData(NutrientTexts totals) { totals_ = std::move(totals); }
    void setTitleName(const std::string& title) { titleName_ = title; }
    const std::string& titleName() const { return titleName_; }
    // Reads the daily calories and draws the bars.
    void viewWillAppear();
    void drawBars();

    const FolderGdaBars& bars() const { return bars_; }
    // The folder shown; with one, its products can be written to today's diary at once.
    void setFolderId(const std::string& folderId) { folderId_ = folderId; }
    bool showsEatFolder() const { return !folderId_.empty(); }
    static const char* eatFolderKey() { return key("Eat Folder Today"); }
    // Every product with its planned amount, now; an alert tells how many or why none.
    void eatFolderPressed();

    // True when the profile has no daily calories: the line under the heading then shows.
    bool fixedReferences() const { return factor_.fixedReferences; }

private:
    Platform platform_;
    Database& shared_;
    ProductDetailPortraitListener* listener_ = nullptr;
    std::string titleName_;
    std::string folderId_;
    NutrientTexts totals_;
    PersonalFactor factor_;
    FolderGdaBars bars_{};
};

} // namespace tolvane
