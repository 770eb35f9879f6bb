#include "screens/profile/PersonalProfileVC.h"

#include "nutrition/NumberText.h"
#include "nutrition/Profile.h"
#include "screens/common/Nutrients.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

#include <algorithm>
#include <array>

namespace tolvane {
namespace {

constexpr std::array<const char*, kActivityLevelCount> kActivityLevels{
    key("sitzend oder liegend"), key("ausschließlich sitzend"), key("überwiegend sitzend"),
    key("überwiegend stehend"), key("körperlich anstrengend")};

int findRow(const std::vector<std::string>& list, const std::string& entry) {
    const auto it = std::find(list.begin(), list.end(), entry);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

// The row of a number list ("100", "101", ...) nearest to the value.
int clampedRow(const std::vector<std::string>& list, int value) {
    const int first = integerValue(list.front());
    return std::clamp(value - first, 0, static_cast<int>(list.size()) - 1);
}

// A read that failed on a table that is there, or may be (the check failed as well).
bool failedOnATableThere(Database& db, const std::string& table) {
    if (!db.lastReadFailed()) return false;
    return db.tableExists(table) || db.lastReadFailed();
}

int validLevel(const std::string& level) {
    if (level.empty()) return -1;
    const int number = integerValue(level);
    return number >= 0 && number < kActivityLevelCount ? number : -1;
}

} // namespace

PersonalProfileVC::PersonalProfileVC(Platform platform, Database& shared, Navigation& navigation,
                                     InfoPageFactory makeInfoPage)
    : platform_(platform), shared_(shared), navigation_(navigation),
      makeInfoPage_(std::move(makeInfoPage)) {}

// --- Lifecycle ---

void PersonalProfileVC::viewDidLoad() {
    platform_.log.write("Personal Profile -Screen");
    platform_.analytics.logEvent("Personal Profile");
    genderArray_ = {"M", "F"};
    ageArray_ = ageList();
    heightArray_ = heightList();
    usheightArray_ = usHeightList();
    weightArray_ = weightList();
    usweightArray_ = usWeightList();

    const auto settings = SettingsStore(shared_).selectSettings();
    if (settings) {
        ismetric_ = settings->metricUnitsOn();
        metricUsed_ = ismetric_ ? "metric" : "us";
    }
    // What was not read is not shown, and never written over what is stored.
    if (failedOnATableThere(shared_, "Settings") || !readProfile()) {
        platform_.log.write("Personal profile not read");
        changed();
        std::weak_ptr<int> alive = alive_;
        platform_.alerts.show({"", profileNotReadKey(), {key("OK")}}, [this, alive](int) {
            if (alive.lock()) navigation_.pop();
        });
        return;
    }
    loaded_ = true;
    presetRows();
    changed();
}

bool PersonalProfileVC::readProfile() {
    auto read = SettingsStore(shared_).selectPersonalProfileData();
    if (!read && failedOnATableThere(shared_, "Personal_Profile")) return false;
    // The seed values when the profile table is missing or empty.
    const ProfileRow stored = read.value_or(ProfileRow::seed());
    gender_ = stored.gender;
    stringAge_ = stored.age;
    stringHeight_ = stored.height;
    stringWeight_ = stored.weight;
    bmi_value_ = stored.bmi;
    ideal_weight_value_ = stored.idealWeight;
    activityLevelNO_ = stored.activityLevel;
    daily_calories_ = stored.dailyCalories;
    stringusheight_ = stored.usHeight.empty() ? std::string() : usHeightDisplayed(stored.usHeight);
    stringusweight_ = stored.usWeight;
    age_ = integerValue(stringAge_);
    height_ = integerValue(stringHeight_);
    weight_ = integerValue(stringWeight_);
    activitylevelValue_ = levelName(activityLevelNO_);
    return true;
}

void PersonalProfileVC::presetRows() {
    // Anything but "M" counts as female in the energy formula, so the picker shows "F" then.
    genderRow_ = gender_ == "M" ? 0 : 1;
    const int ageRow = findRow(ageArray_, stringAge_);
    ageRow_ = ageRow >= 0 ? ageRow : clampedRow(ageArray_, age_);
    if (ismetric_) {
        // Heights entered in US units can lie outside the metric list; they are clamped to it.
        const int row = findRow(heightArray_, stringHeight_);
        heightRow_ = row >= 0 ? row : clampedRow(heightArray_, height_);
        const int weightRow = findRow(weightArray_, stringWeight_);
        weightRow_ = weightRow >= 0 ? weightRow : clampedRow(weightArray_, weight_);
    } else {
        int row = findRow(usheightArray_, stringusheight_);
        if (row < 0) row = findRow(usheightArray_, usHeightDisplayed(usHeightFromCm(height_)));
        heightRow_ = std::max(row, 0);
        const int weightRow = findRow(usweightArray_, stringusweight_);
        weightRow_ = weightRow >= 0 ? weightRow : clampedRow(weightArray_, weight_);
    }
}

void PersonalProfileVC::viewDidDisappear() {
    // Empty values must never be written over a profile that was not read.
    if (!loaded_) return;
    // A figure still being typed is taken (or refused) before the profile is written.
    if (editingDailyCalories_) endEditingDailyCalories();
    if (stringusheight_.find('\'') != std::string::npos)
        stringusheight_ = usHeightStored(stringusheight_);
    daily_calories_ = commaToPoint(daily_calories_);
    SettingsStore(shared_).updatePersonalSettings(
        gender_, stringAge_, stringHeight_, stringWeight_, bmi_value_, ideal_weight_value_,
        activityLevelNO_, daily_calories_, stringusheight_, stringusweight_, metricUsed_);
    platform_.analytics.logEvent("User Profile", {{"Geschlecht", gender_},
                                                  {"Alter", stringAge_},
                                                  {"Groesse", stringHeight_},
                                                  {"Gewicht", stringWeight_},
                                                  {"BMI", bmi_value_},
                                                  {"Aktivitätsgrad", activityLevelNO_},
                                                  {"Kalorienwert", daily_calories_},
                                                  {"Metrisch-bool", metricUsed_}});
}

// --- Body-data picker ---

const std::vector<std::string>& PersonalProfileVC::heightColumn() const {
    return ismetric_ ? heightArray_ : usheightArray_;
}

const std::vector<std::string>& PersonalProfileVC::weightColumn() const {
    return ismetric_ ? weightArray_ : usweightArray_;
}

int PersonalProfileVC::rowCount(BodyColumn column) const {
    switch (column) {
    case BodyColumn::Gender:
        return static_cast<int>(genderArray_.size());
    case BodyColumn::Age:
        return static_cast<int>(ageArray_.size());
    case BodyColumn::Height:
        return static_cast<int>(heightColumn().size());
    case BodyColumn::Weight:
        return static_cast<int>(weightColumn().size());
    }
    return 0;
}

std::string PersonalProfileVC::rowTitle(BodyColumn column, int row) const {
    if (row < 0 || row >= rowCount(column)) return {};
    const auto r = static_cast<std::size_t>(row);
    const auto withValue = [this](const char* format, const std::string& value) {
        return replaceAll(platform_.strings.text(format), "%@", value);
    };
    switch (column) {
    case BodyColumn::Gender:
        return platform_.strings.text(genderArray_[r]);
    case BodyColumn::Age:
        return ageArray_[r];
    case BodyColumn::Height:
        return ismetric_ ? withValue(key("%@ cm"), heightArray_[r]) : usheightArray_[r];
    case BodyColumn::Weight:
        return ismetric_ ? withValue(key("%@ kg"), weightArray_[r])
                         : withValue(key("%@ lbs"), usweightArray_[r]);
    }
    return {};
}

int PersonalProfileVC::selectedRow(BodyColumn column) const {
    switch (column) {
    case BodyColumn::Gender:
        return genderRow_;
    case BodyColumn::Age:
        return ageRow_;
    case BodyColumn::Height:
        return heightRow_;
    case BodyColumn::Weight:
        return weightRow_;
    }
    return 0;
}

void PersonalProfileVC::didSelectBodyRow(BodyColumn column, int row) {
    if (row < 0 || row >= rowCount(column)) return;
    switch (column) {
    case BodyColumn::Gender:
        genderRow_ = row;
        break;
    case BodyColumn::Age:
        ageRow_ = row;
        break;
    case BodyColumn::Height:
        heightRow_ = row;
        break;
    case BodyColumn::Weight:
        weightRow_ = row;
        break;
    }
    activitylevelValue_.clear();
    daily_calories_.clear();
    gender_ = genderArray_[static_cast<std::size_t>(genderRow_)];
    stringAge_ = ageArray_[static_cast<std::size_t>(ageRow_)];
    age_ = integerValue(stringAge_);
    activitylevelValue_ = levelName(activityLevelNO_);

    const BodyData body =
        ismetric_ ? metricBody(heightRow_, weightRow_) : usBody(heightRow_, weightRow_);
    stringHeight_ = body.stringHeight;
    height_ = body.height;
    stringWeight_ = body.stringWeight;
    weight_ = body.weight;
    stringusheight_ = body.stringusheight;
    stringusweight_ = body.stringusweight;
    bmi_value_ = body.bmiValue;
    ideal_weight_value_ = body.idealWeightValue;

    calculateDailyCalories(activityLevelNO_);
    changed();
}

// --- Table ---

const char* PersonalProfileVC::rowTitleKey(ProfileFigure row) {
    switch (row) {
    case ProfileFigure::Bmi:
        return key("BMI");
    case ProfileFigure::IdealWeight:
        return key("Ideal Body Weight");
    case ProfileFigure::ActivityLevel:
        return key("Activity Level");
    case ProfileFigure::DailyCalories:
        return key("Daily Calories(kcal)");
    }
    return "";
}

const char* PersonalProfileVC::infoNameKey(ProfileFigure row) {
    switch (row) {
    case ProfileFigure::Bmi:
        return key("Accessible About BMI");
    case ProfileFigure::IdealWeight:
        return key("Accessible About Ideal Weight");
    case ProfileFigure::ActivityLevel:
        return key("Accessible About Activity Level");
    case ProfileFigure::DailyCalories:
        return key("Accessible About Daily Calories");
    }
    return "";
}

std::string PersonalProfileVC::rowValue(ProfileFigure row) const {
    switch (row) {
    case ProfileFigure::Bmi:
        return numberFormat(platform_.strings).number(bmi_value_);
    case ProfileFigure::IdealWeight:
        if (ideal_weight_value_.empty()) return {};
        return ismetric_ ? replaceAll(platform_.strings.text("%@ (kg)"), "%@",
                                      numberFormat(platform_.strings).number(ideal_weight_value_))
                         : replaceAll(platform_.strings.text("%@ (lbs)"), "%@",
                                      numberFormat(platform_.strings)
                                          .number(idealWeightInPounds(ideal_weight_value_)));
    case ProfileFigure::ActivityLevel:
        return activitylevelValue_;
    case ProfileFigure::DailyCalories:
        return dailyCaloriesFieldText();
    }
    return {};
}

void PersonalProfileVC::infoButtonTapped(ProfileFigure row) {
    if (!makeInfoPage_) return;
    std::shared_ptr<Screen> page;
    switch (row) {
    case ProfileFigure::Bmi:
        page = makeInfoPage_(platform_.strings.text("BMI Infotext Titel"), "");
        break;
    case ProfileFigure::IdealWeight:
    case ProfileFigure::ActivityLevel:
    case ProfileFigure::DailyCalories:
        // The page is titled as its row.
        page = makeInfoPage_(platform_.strings.text(rowTitleKey(row)), "");
        break;
    }
    if (page) navigation_.push(page, backTitleKey());
}

void PersonalProfileVC::didSelectTableRow(ProfileFigure row) {
    if (row != ProfileFigure::ActivityLevel || editingDailyCalories_) return;
    activityPickerVisible_ = true;
    changed();
}

// --- Activity-level picker ---

int PersonalProfileVC::activityRowCount() {
    return kActivityLevelCount;
}

std::string PersonalProfileVC::activityRowTitle(int row) const {
    if (row < 0 || row >= kActivityLevelCount) return {};
    return platform_.strings.text(kActivityLevels[static_cast<std::size_t>(row)]);
}

int PersonalProfileVC::activitySelectedRow() const {
    return std::max(validLevel(activityLevelNO_), 0);
}

void PersonalProfileVC::didSelectActivityLevel(int row) {
    if (row < 0 || row >= kActivityLevelCount) return;
    activityLevelNO_ = formatInt(row);
    activitylevelValue_ = activityRowTitle(row);
    calculateDailyCalories(activityLevelNO_);
    activityPickerVisible_ = false;
    changed();
}

std::string PersonalProfileVC::levelName(const std::string& level) const {
    const int number = validLevel(level);
    return number < 0 ? std::string() : activityRowTitle(number);
}

void PersonalProfileVC::calculateDailyCalories(const std::string& activityLevel) {
    const int level = integerValue(activityLevel);
    const auto calories = dailyEnergyNeed(gender_, age_, height_, weight_, level);
    if (!calories) return;
    daily_calories_ = dailyCaloriesText(*calories);
}

// --- Daily-calories field ---

std::string PersonalProfileVC::dailyCaloriesFieldText() const {
    return editingDailyCalories_ ? typedDailyCalories_ : daily_calories_;
}

void PersonalProfileVC::beginEditingDailyCalories() {
    editingDailyCalories_ = true;
    typedDailyCalories_ = daily_calories_;
    activityPickerVisible_ = false;
    changed();
}

void PersonalProfileVC::dailyCaloriesEdited(const std::string& text) {
    typedDailyCalories_ = text;
}

void PersonalProfileVC::endEditingDailyCalories() {
    if (!editingDailyCalories_) return;
    editingDailyCalories_ = false;
    const TypedCalories typed = readTypedDailyCalories(typedDailyCalories_);
    switch (typed.outcome) {
    case TypedCaloriesOutcome::Empty:
        platform_.alerts.show({key("Error Message Consumption Amount"), "", {key("OK")}});
        break;
    case TypedCaloriesOutcome::Rejected:
        platform_.alerts.show({key("Pop-Up Personal Profile"), "", {key("OK")}});
        break;
    case TypedCaloriesOutcome::Accepted:
        daily_calories_ = typed.dailyCalories;
        platform_.alerts.show({key("Thank you for your input"), "", {key("OK")}});
        break;
    }
    typedDailyCalories_.clear();
    changed();
}

void PersonalProfileVC::changed() {
    if (listener_) listener_->profileChanged();
}

} // namespace tolvane
