// The application's user-defaults keys, each with a typed accessor. Stored files rely on the
// key texts byte for byte, so they stay as they were first written, misspellings included.
#pragma once

#include "platform/UserDefaults.h"

#include <string>

namespace tolvane {

// The one-time hints, one flag each, registered as YES at launch.
enum class FirstLaunchHint { Search, GDA, MenuList, Setup };

class AppDefaults {
public:
    static constexpr const char* kAppleLanguages = "AppleLanguages";
    static constexpr const char* kLocalization = "Localization";
    static constexpr const char* kLanguageRow = "languageRow";
    static constexpr const char* kLanguageUsed = "languageUsed";
    static constexpr const char* kCopiedNewDatabase = "copiedNewDatabase";
    static constexpr const char* kCopiedNewFolderDatabase = "copiedNewFolderDatabase";
    static constexpr const char* kNewProductUpdated = "NewProductUpdated";
    static constexpr const char* kFirstLaunchSearch = "isfirstLaunchSearch";
    static constexpr const char* kFirstLaunchGDA = "isfirstLaunchGDA";
    static constexpr const char* kFirstLaunchMenuList = "isfirstLaunchMenuList";
    static constexpr const char* kFirstLaunchSetup = "isfirstLaunchSetup";
    static constexpr const char* kUserBirthYear = "userBirthYear";
    static constexpr const char* kUserGender = "userGender";
    static constexpr const char* kIsFirstLaunch = "isFirstLaunch";
    static constexpr const char* kSetUpSection = "SetUpSection";
    static constexpr const char* kSetUpRow = "SetUpRow";
    static constexpr const char* kSetUpInfoBtnTag = "SetUpInfoBtnTag";
    static constexpr const char* kSearchProductId = "SearchProductId";
    // Misspelt ("Categoroes") and kept on purpose: stored files use this key.
    static constexpr const char* kProductsForCategoroesProductId = "ProductsForCategoroesProductId";
    static constexpr const char* kCategoryId = "categoryId";
    static constexpr const char* kProductsForCategoryTitle = "ProductsForCategoryTitle";
    // Misspelt ("Producte") and kept on purpose: stored files use this key.
    static constexpr const char* kProducteDetailFromScreen = "ProducteDetailFromScreen";
    static constexpr const char* kManageProductsReArranged = "ManageProductsReArranged";
    static constexpr const char* kManageProductAddBtnClicked = "ManageProductAddBtnClicked";
    static constexpr const char* kIsEditing = "isEditing";
    static constexpr const char* kManageProductProductId = "ManageProductProductId";
    static constexpr const char* kRatingPromptLastDay = "RatingPromptLastDay";
    static constexpr const char* kRatingPromptDays = "RatingPromptDays";
    static constexpr const char* kRatingPromptDeclined = "RatingPromptDeclined";
    static constexpr const char* kRatingPromptRated = "RatingPromptRated";
    // Own products the server confirmed whose "sent" mark the file did not take.
    static constexpr const char* kUploadedNotMarked = "UploadedNotMarked";
    // The folder of the picture last chosen with the file dialog.
    static constexpr const char* kPictureFolder = "PictureFolder";

    explicit AppDefaults(UserDefaults& defaults) : defaults_(defaults) {}

    DefaultsList appleLanguages() const { return defaults_.listForKey(kAppleLanguages); }
    void setAppleLanguages(const DefaultsList& codes) { defaults_.setList(kAppleLanguages, codes); }
    void removeAppleLanguages() { defaults_.remove(kAppleLanguages); }
    std::string localization() const { return defaults_.stringForKey(kLocalization); }
    void setLocalization(const std::string& yesNo) { defaults_.setString(kLocalization, yesNo); }
    int languageRow() const { return defaults_.integerForKey(kLanguageRow); }
    void setLanguageRow(int row) { defaults_.setInteger(kLanguageRow, row); }
    std::string languageUsed() const { return defaults_.stringForKey(kLanguageUsed); }
    void setLanguageUsed(const std::string& label) { defaults_.setString(kLanguageUsed, label); }

    bool copiedNewDatabase() const { return defaults_.boolForKey(kCopiedNewDatabase); }
    void setCopiedNewDatabase(bool done) { defaults_.setBool(kCopiedNewDatabase, done); }
    bool copiedNewFolderDatabase() const { return defaults_.boolForKey(kCopiedNewFolderDatabase); }
    void setCopiedNewFolderDatabase(bool done) {
        defaults_.setBool(kCopiedNewFolderDatabase, done);
    }
    void setNewProductUpdated(const std::string& yesNo) {
        defaults_.setString(kNewProductUpdated, yesNo);
    }

    static const char* keyOf(FirstLaunchHint hint);
    bool showsHint(FirstLaunchHint hint) const { return defaults_.boolForKey(keyOf(hint)); }
    void setShowsHint(FirstLaunchHint hint, bool shows) { defaults_.setBool(keyOf(hint), shows); }
    // Every hint flag YES while nothing is stored under it.
    void registerFirstLaunchHints();
    void setIsFirstLaunch(bool first) { defaults_.setBool(kIsFirstLaunch, first); }
    // Stores the stored value again under its key, so that it stays persisted.
    void writeBack(const char* key);

    void setSetUpSection(int section) { defaults_.setInteger(kSetUpSection, section); }
    void setSetUpRow(int row) { defaults_.setInteger(kSetUpRow, row); }
    void setSetUpInfoBtnTag(int tag) { defaults_.setInteger(kSetUpInfoBtnTag, tag); }
    void setSearchProductId(const std::string& id) { defaults_.setString(kSearchProductId, id); }
    void setProductsForCategoroesProductId(const std::string& id) {
        defaults_.setString(kProductsForCategoroesProductId, id);
    }
    void setCategoryId(const std::string& id) { defaults_.setString(kCategoryId, id); }
    void setProductsForCategoryTitle(const std::string& title) {
        defaults_.setString(kProductsForCategoryTitle, title);
    }
    void setProducteDetailFromScreen(const std::string& screen) {
        defaults_.setString(kProducteDetailFromScreen, screen);
    }
    bool manageProductsReArranged() const {
        return defaults_.boolForKey(kManageProductsReArranged);
    }
    void setManageProductsReArranged(bool moved) {
        defaults_.setBool(kManageProductsReArranged, moved);
    }
    void setManageProductAddBtnClicked(bool clicked) {
        defaults_.setBool(kManageProductAddBtnClicked, clicked);
    }
    void setIsEditing(bool editing) { defaults_.setBool(kIsEditing, editing); }
    void setManageProductProductId(const std::string& id) {
        defaults_.setString(kManageProductProductId, id);
    }

    std::string ratingPromptLastDay() const { return defaults_.stringForKey(kRatingPromptLastDay); }
    void setRatingPromptLastDay(const std::string& day) {
        defaults_.setString(kRatingPromptLastDay, day);
    }
    int ratingPromptDays() const { return defaults_.integerForKey(kRatingPromptDays); }
    void setRatingPromptDays(int days) { defaults_.setInteger(kRatingPromptDays, days); }
    bool ratingPromptDeclined() const { return defaults_.boolForKey(kRatingPromptDeclined); }
    void setRatingPromptDeclined(bool declined) {
        defaults_.setBool(kRatingPromptDeclined, declined);
    }
    bool ratingPromptRated() const { return defaults_.boolForKey(kRatingPromptRated); }
    void setRatingPromptRated(bool rated) { defaults_.setBool(kRatingPromptRated, rated); }

    DefaultsList uploadedNotMarked() const { return defaults_.listForKey(kUploadedNotMarked); }
    void setUploadedNotMarked(const DefaultsList& recordIds) {
        if (recordIds.empty())
            defaults_.remove(kUploadedNotMarked);
        else
            defaults_.setList(kUploadedNotMarked, recordIds);
    }

    std::string pictureFolder() const { return defaults_.stringForKey(kPictureFolder); }
    void setPictureFolder(const std::string& folder) {
        defaults_.setString(kPictureFolder, folder);
    }

    void synchronize() { defaults_.synchronize(); }

private:
    UserDefaults& defaults_;
};

} // namespace tolvane
