#include "ProductDetail.h"

#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"
#include "platform/Keys.h"
#include "screens/planner/FolderRecord.h"
#include "screens/planner/PlannerWrites.h"
#include "store/Database.h"

#include <array>

namespace tolvane {
namespace {

// The pictures exist for these languages; anything else shows the English one.
std::string interfaceLanguage(const UserDefaults& defaults,
                              const std::vector<std::string>& devicePreferred) {
    auto languages = defaults.listForKey("AppleLanguages");
    if (languages.empty()) languages = devicePreferred;
    if (languages.empty()) return "en";
    const std::string code = languages.front().substr(0, 2);
    for (const char* known : {"de", "en", "es", "fr", "it", "ru"})
        if (code == known) return code;
    return "en";
}

} // namespace

ProductDetail::ProductDetail(Platform platform, Database& shared, DetailHost landscape)
    : platform_(platform), shared_(shared), host_(std::move(landscape)),
      language_(interfaceLanguage(platform.defaults, host_.devicePreferredLanguages)) {}

ProductDetail::~ProductDetail() = default;

void ProductDetail::viewDidLoad() {
    platform_.log.write("Product Detail -Screen");
    language_ = interfaceLanguage(platform_.defaults, host_.devicePreferredLanguages);
}

void ProductDetail::drawData(const std::vector<std::string>& details) {
    db_ = std::make_unique<Database>(shared_.GetDatabasePath(), platform_.log);
    detailsArr_ = details;
    std::string joined;
    for (std::size_t i = 0; i < details.size(); ++i)
        joined += (i ? "|" : "") + details[i];
    productDetailArray_ = details.empty() ? std::vector<std::string>{} : splitFields(joined);
    // A short record (an own product saved by an older version) shows empty fields.
    if (!productDetailArray_.empty() && productDetailArray_.size() < 12)
        productDetailArray_.resize(12);

    const auto categoryRecords = db_->selectProductDetailForCategory(field(3));
    showMsg_ = !hasSalesPortion(field(11));
    means_ = categoryMeansFromRecords(categoryRecords);
    firstArray1_.assign(productDetailArray_.begin() +
                            std::min<std::ptrdiff_t>(5, std::ssize(productDetailArray_)),
                        productDetailArray_.begin() +
                            std::min<std::ptrdiff_t>(12, std::ssize(productDetailArray_)));
    categoryName_ = db_->selectCategoryForId(field(3));
    favorite_ = integerValue(field(4)) == 1;
    changed();
}

std::string ProductDetail::field(std::size_t i) const {
    return i < productDetailArray_.size() ? productDetailArray_[i] : std::string{};
}

int ProductDetail::numberOfRows() const {
    if (productDetailArray_.empty()) return 0;
    return showMsg_ ? 6 : 7;
}

std::string ProductDetail::categoryName() const {
    return categoryName_.empty() ? std::string{} : platform_.strings.text(categoryName_);
}

DetailRow ProductDetail::row(int index) const {
    const std::string unit = field(10);
    const Strings& strings = platform_.strings;
    if (index == 0) return {"", strings.text("Alle Angaben in g, bezogen auf 100") + unit, ""};
    if (index == 6) return {"", strings.text("Eine Verkaufsportion hat ") + field(11) + unit, ""};
    if (index < 1 || index > 5) return {};
    const Nutrient nutrient = kNutrients[static_cast<std::size_t>(index - 1)];
    std::string title;
    switch (nutrient) {
    case Nutrient::Fat:
        title = strings.text("Fett");
        break;
    case Nutrient::SaturatedFat:
        title = strings.text("gesättigte Fette");
        break;
    case Nutrient::Sugar:
        title = strings.text("Zucker");
        break;
    case Nutrient::Salt:
        title = strings.text("Salz");
        break;
    case Nutrient::Energy:
        title = strings.text("Kalorien (kcal)");
        break;
    }
    const std::string text = field(4 + static_cast<std::size_t>(index));
    const auto light = rateNutrientText(nutrient, text, unit, means_);
    return {lightImageName(light, language_), title, nutrientValueText(nutrient, text)};
}

void ProductDetail::addToFav() {
    if (productDetailArray_.empty()) return;
    pickerShown_ = true;
    alertFlag_ = true;
    FavFlag_ = true;
    shared_.searchFavNameExist(field(1));
    // Joins the end of the favourites list.
    const auto count = shared_.selectProductFavoriteCategorywise().size();
    shared_.setFavorite(field(1), 1, formatInt(static_cast<long long>(count)));
    favorite_ = true;
    changed();
}

void ProductDetail::doneButtonClick() {
    if (!pickerShown_) return;
    pickerShown_ = false;
    changed();
}

void ProductDetail::editButton() {
    if (!favorite_) return;
    FavFlag_ = false;
    alertFlag_ = false;
    std::weak_ptr<int> alive = alive_;
    platform_.alerts.show(
        {"", "Wollen Sie dieses Produkt aus Ihren Favoriten löschen?", {"Ja", "Nein"}},
        [this, alive](int button) {
            if (!alive.lock() || FavFlag_ || button != 0) return;
            Database db(shared_.GetDatabasePath(), platform_.log);
            db.setFavorite(field(1), 0, "");
            favorite_ = false;
            changed();
        });
}

void ProductDetail::viewWillAppear() {
    folderNameArray_.clear();
    folderIDarray_.clear();
    selectionStates_.clear();
    for (const auto& record : shared_.selectMenuItemsSortByRecordID()) {
        const FolderRecord folder = FolderRecord::parse(record);
        folderNameArray_.push_back(folder.displayName(platform_.strings));
        folderIDarray_.push_back(folder.id);
        selectionStates_[folder.id] = false;
    }
    readSelectionStates();
    changed();
}

void ProductDetail::readSelectionStates() {
    for (auto& [folder, checked] : selectionStates_)
        checked = false;
    if (productDetailArray_.empty()) return;
    for (const auto& folder : shared_.selectFoldersAccordingToProduct(field(1))) {
        const auto listed = selectionStates_.find(folder);
        if (listed != selectionStates_.end()) listed->second = true;
    }
}

int ProductDetail::numberOfRowsForPickerView() {
    return static_cast<int>(folderNameArray_.size());
}

std::string ProductDetail::pickerViewTextForRow(int item) {
    if (item < 0 || item >= numberOfRowsForPickerView()) return {};
    return folderNameArray_[static_cast<std::size_t>(item)];
}

bool ProductDetail::pickerViewSelectionStateForRow(int item) {
    if (item < 0 || item >= numberOfRowsForPickerView()) return false;
    const auto state = selectionStates_.find(folderIDarray_[static_cast<std::size_t>(item)]);
    return state != selectionStates_.end() && state->second;
}

void ProductDetail::pickerViewDidCheckRow(int item) {
    if (item < 0 || item >= numberOfRowsForPickerView() || productDetailArray_.empty()) return;
    const std::string& folder = folderIDarray_[static_cast<std::size_t>(item)];
    productIdForFolderAdd_ = field(1);
    selectionStates_[folder] = true;
    ProductToFile product{field(1), field(0), field(2), field(3), field(10), {}};
    for (int n = 0; n < kNutrientCount; ++n)
        product.nutrients[n] = field(5 + static_cast<std::size_t>(n));
    if (PlannerWrites(shared_).fileProduct(product, folder) == PlannerWrites::Filing::Failed)
        platform_.log.write("Product " + field(1) + " not filed into folder " + folder);
    readSelectionStates();
    changed();
}

void ProductDetail::pickerViewDidUncheckRow(int item) {
    if (item < 0 || item >= numberOfRowsForPickerView() || productDetailArray_.empty()) return;
    const std::string& folder = folderIDarray_[static_cast<std::size_t>(item)];
    productIdForFolderAdd_ = field(1);
    selectionStates_[folder] = false;
    if (!PlannerWrites(shared_).unfileProduct(field(1), folder))
        platform_.log.write("Product " + field(1) + " not taken out of folder " + folder);
    readSelectionStates();
    changed();
}

void ProductDetail::receivedRotate(int orientation) {
    if ((orientation == 3 || orientation == 4) && host_.showLandscapeView)
        host_.showLandscapeView(detailsArr_, orientation);
}

void ProductDetail::viewWillDisappear() {
    platform_.defaults.setString("ProducteDetailFromScreen", fromScreen_);
    if (pickerShown_) {
        pickerShown_ = false;
        changed();
    }
}

void ProductDetail::changed() {
    if (listener_) listener_->detailChanged();
}

} // namespace tolvane
