// Gender, age, height, weight and activity give the body-mass index, the ideal weight and the
// daily energy need, which the user may overwrite. Metric or US units follow the settings; the
// profile is read when the screen loads and written back when it is left.
#pragma once

#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

enum class BodyColumn { Gender, Age, Height, Weight };
inline constexpr int kBodyColumnCount = 4;

enum class ProfileFigure { Bmi, IdealWeight, ActivityLevel, DailyCalories };
inline constexpr int kProfileFigureCount = 4;

class PersonalProfileListener {
public:
    virtual ~PersonalProfileListener() = default;
    // Values, picker rows, the activity picker or the editing of the calories field changed.
    virtual void profileChanged() {}
};

class PersonalProfileVC : public Screen {
public:
    // Makes the information page for a (looked-up) title; titleDisplay "no" hides the title.
    using InfoPageFactory = std::function<std::shared_ptr<Screen>(const std::string& title,
                                                                  const std::string& titleDisplay)>;

    PersonalProfileVC(Platform platform, Database& shared, Navigation& navigation,
                      InfoPageFactory makeInfoPage = {});

    static const char* titleKey() { return key("Personal Profile"); }
    static const char* footerKey() { return key("Instructions Personal Profile"); }
    static const char* backTitleKey() { return key("Zurück"); }
    static const char* profileNotReadKey() {
        return key("Ihr Profil konnte nicht gelesen werden. Bitte versuchen Sie es später noch "
                   "einmal.");
    }

    void setListener(PersonalProfileListener* listener) { listener_ = listener; }

    // --- Lifecycle ---
    // Builds the lists, reads the unit setting and the stored profile, presets the pickers. When
    // a read fails, shows nothing read, says so and goes back once the user has read it.
    void viewDidLoad();
    // Takes a figure still being typed, then writes the profile (only once it was read).
    void viewDidDisappear();

    // --- Body-data picker (four columns) ---
    int rowCount(BodyColumn column) const;
    std::string rowTitle(BodyColumn column, int row) const;
    int selectedRow(BodyColumn column) const;
    void didSelectBodyRow(BodyColumn column, int row);

    // --- Table ---
    static const char* rowTitleKey(ProfileFigure row);
    // The name a screen reader gives the row's information button.
    static const char* infoNameKey(ProfileFigure row);
    std::string rowValue(ProfileFigure row) const;
    void infoButtonTapped(ProfileFigure row);
    void didSelectTableRow(ProfileFigure row);

    // --- Activity-level picker ---
    bool activityPickerVisible() const { return activityPickerVisible_; }
    static int activityRowCount();
    std::string activityRowTitle(int row) const;
    // The stored level's row, 0 when none is chosen.
    int activitySelectedRow() const;
    void didSelectActivityLevel(int row);

    // --- Daily-calories field ---
    bool editingDailyCalories() const { return editingDailyCalories_; }
    // What the field shows: the text being typed while editing, else daily_calories.
    std::string dailyCaloriesFieldText() const;
    void beginEditingDailyCalories();
    void dailyCaloriesEdited(const std::string& text);
    // Checks the typed figure: taken, or refused with the old figure shown again.
    void endEditingDailyCalories();

    // Mifflin-St Jeor for the level given as text; levels outside 0 to 4 change nothing.
    void calculateDailyCalories(const std::string& activityLevel);

private:
    const std::vector<std::string>& heightColumn() const;
    const std::vector<std::string>& weightColumn() const;
    // False when the profile could not be read (a missing or empty table gives the seed values).
    bool readProfile();
    void presetRows();
    std::string levelName(const std::string& level) const;
    void changed();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    InfoPageFactory makeInfoPage_;
    PersonalProfileListener* listener_ = nullptr;

    std::vector<std::string> genderArray_, ageArray_, heightArray_, usheightArray_, weightArray_,
        usweightArray_;
    int genderRow_ = 0, ageRow_ = 0, heightRow_ = 0, weightRow_ = 0;

    std::string gender_, stringAge_, stringHeight_, stringWeight_, stringusheight_, stringusweight_;
    int age_ = 0, height_ = 0, weight_ = 0;
    std::string bmi_value_, ideal_weight_value_;
    std::string activityLevelNO_, activitylevelValue_;
    std::string daily_calories_;
    std::string metricUsed_;
    bool ismetric_ = false;

    bool loaded_ = false;
    bool activityPickerVisible_ = false;
    bool editingDailyCalories_ = false;
    std::string typedDailyCalories_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
