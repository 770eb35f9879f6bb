#include "ProductDetail.h"

#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"
#include "platform/Keys.h"
#include "screens/common/Nutrients.h"
#include "screens/diary/DiaryEntryVC.h"
#include "screens/diary/DiaryLog.h"
#include "screens/filing/FolderName.h"
#include "screens/filing/PlannerWrites.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"

namespace tolvane {
namespace {

// The pictures exist for these languages; anything else shows the English one.
std::string interfaceLanguage(const AppDefaults& defaults, const DetailHost& host) {
    auto languages = defaults.appleLanguages();
    if (!host.runLanguage.empty()) languages = {host.runLanguage};
    if (languages.empty()) languages = host.devicePreferredLanguages;
    if (languages.empty()) return "en";
    const std::string code = languages.front().substr(0, 2);
    for (const char* known : {"de", "en", "es", "fr", "it", "ru"})
        if (code == known) return code;
    return "en";
}

DetailRow rowOf(DetailRow::Kind kind, Nutrient nutrient = Nutrient::Fat) {
    DetailRow row;
    row.kind = kind;
    row.nutrient = nutrient;
    return row;
}

} // namespace

ProductDetail::ProductDetail(Platform platform, Database& shared, DetailHost landscape)
    : platform_(platform), shared_(shared), host_(std::move(landscape)),
      language_(interfaceLanguage(platform.appDefaults(), host_)) {}

ProductDetail::~ProductDetail() = default;

void ProductDetail::viewDidLoad() {
    platform_.log.write("Product Detail -Screen");
    language_ = interfaceLanguage(platform_.appDefaults(), host_);
}

void ProductDetail::drawData(const std::optional<ProductRecord>& product) {
    product_ = product.value_or(ProductRecord{});
    rows_.clear();
    if (product) {
        rows_.push_back(rowOf(DetailRow::Kind::Header));
        for (Nutrient nutrient : kNutrients)
            rows_.push_back(rowOf(DetailRow::Kind::Nutrient, nutrient));
    }

    showMsg_ = !hasSalesPortion(product_.salesPortion);
    if (!rows_.empty() && !showMsg_) rows_.push_back(rowOf(DetailRow::Kind::Portion));
    categoryName_ =
        CatalogueStore(shared_).selectCategoryForId(CategoryId::of(product_.categoryId));
    favorite_ = product_.favourite();
    readFacts();
    compareWithCategory();
    changed();
}

void ProductDetail::compareWithCategory() {
    means_ = CategoryMeansSum().means();
    choiceProducts_.clear();
    choices_.clear();
    comparison_.drop();
    if (rows_.empty()) return;
    comparison_.compare(
        product_,
        [this](const CategoryMeans& means) {
            means_ = means;
            rateChoices();
            changed();
        },
        [this](const std::vector<ProductRecord>& products) {
            choiceProducts_ = products;
            rateChoices();
            changed();
        });
}

void ProductDetail::readFacts() {
    facts_.clear();
    if (rows_.empty()) return;
    if (const auto stored =
            CatalogueStore(shared_).selectNutritionFacts(ProductId::of(product_.recordId)))
        facts_ = factRows(*stored, platform_.strings);
}

std::string ProductDetail::factsHeading() const {
    const std::string hundred =
        numberFormat(platform_.strings).withUnit("100", product_.unit == "g" ? "g" : "ml");
    return replaceAll(platform_.strings.text(key("Nährwerte pro %@")), "%@", hundred);
}

std::string ProductDetail::betterChoicesHeading() const {
    return replaceAll(platform_.strings.text(key("Bessere Wahl in %@")), "%@", categoryName());
}

void ProductDetail::rateChoices() {
    choices_.clear();
    for (const ProductRecord& product : choiceProducts_) {
        ChoiceRow row{product.recordId, product.name, product.maker, {}};
        for (Nutrient nutrient :
             {Nutrient::Fat, Nutrient::SaturatedFat, Nutrient::Sugar, Nutrient::Salt})
            row.pictures[static_cast<std::size_t>(index(nutrient))] =
                lightImageName(rateNutrientText(nutrient, nutrientText(product.nutrients, nutrient),
                                                product.unit, means_),
                               language_);
        choices_.push_back(std::move(row));
    }
}

void ProductDetail::openBetterChoice(int index) {
    if (index < 0 || index >= static_cast<int>(choices_.size()) || !navigation_) return;
    const auto product = CatalogueStore(shared_).selectProductDetail(
        ProductId::of(choices_[static_cast<std::size_t>(index)].recordId));
    if (!product) return;
    auto detail = std::make_shared<ProductDetail>(platform_, shared_, host_);
    detail->setFromScreen(fromScreen_);
    detail->setNavigation(navigation_);
    detail->drawData(*product);
    navigation_->push(detail, key("Zurück"));
}

void ProductDetail::eatenPressed() {
    if (!navigation_ || !stillStored(true)) return;
    // The values as they are now: the diary keeps them whatever the catalogue does later.
    const ProductId id = ProductId::of(product_.recordId);
    navigation_->push(std::make_shared<DiaryEntryVC>(
        platform_, shared_, *navigation_, DiaryHost{},
        diarySnapshot(product_, CatalogueStore(shared_).selectNutritionFacts(id))));
}

std::string ProductDetail::categoryName() const {
    return categoryName_.empty() ? std::string{} : platform_.strings.text(categoryName_);
}

DetailRow ProductDetail::row(int index) const {
    if (index < 0 || index >= numberOfRows()) return {};
    DetailRow row = rows_[static_cast<std::size_t>(index)];
    const std::string& unit = product_.unit;
    const Strings& strings = platform_.strings;
    // "g" and "ml" are written in the interface language's letters; other unit texts as stored.
    const std::string shownUnit = unit == "g"    ? strings.text("g")
                                  : unit == "ml" ? strings.text("ml")
                                                 : unit;
    switch (row.kind) {
    case DetailRow::Kind::Header:
        // The figure and its unit stay together on one line.
        row.title = strings.text("Alle Angaben in g, bezogen auf 100") +
                    std::string(kNoBreakSpace) + shownUnit;
        return row;
    case DetailRow::Kind::Portion:
        row.title = strings.text("Eine Verkaufsportion hat ") +
                    numberFormat(strings).number(product_.salesPortion) +
                    std::string(kNoBreakSpace) + shownUnit;
        return row;
    case DetailRow::Kind::Nutrient:
        break;
    }
    switch (row.nutrient) {
    case Nutrient::Fat:
        row.title = strings.text("Fett");
        break;
    case Nutrient::SaturatedFat:
        row.title = strings.text("gesättigte Fette");
        break;
    case Nutrient::Sugar:
        row.title = strings.text("Zucker");
        break;
    case Nutrient::Salt:
        row.title = strings.text("Salz");
        break;
    case Nutrient::Energy:
        row.title = strings.text("Kalorien (kcal)");
        break;
    }
    const std::string& text = nutrientText(product_.nutrients, row.nutrient);
    row.picture = lightImageName(rateNutrientText(row.nutrient, text, unit, means_), language_);
    row.value = numberFormat(strings).amount(nutrientValueText(row.nutrient, text),
                                             shownDecimals(row.nutrient));
    return row;
}

void ProductDetail::addToFav() {
    if (rows_.empty() || !stillStored(true)) return;
    pickerShown_ = true;
    filingNote_.clear();
    alertFlag_ = true;
    FavFlag_ = true;
    PlannerStore(shared_).searchFavNameExist(ProductId::of(product_.recordId));
    // Joins the end of the favourites list.
    const auto count = PlannerStore(shared_).selectProductFavoriteCategorywise().size();
    PlannerStore(shared_).setFavorite(ProductId::of(product_.recordId), 1,
                                      formatInt(static_cast<long long>(count)));
    favorite_ = true;
    changed();
}

void ProductDetail::doneButtonClick() {
    if (!pickerShown_) return;
    pickerShown_ = false;
    closePicker();
    changed();
}

void ProductDetail::closePicker() {
    filingNote_.clear();
    // A favourite is a product filed in a folder: one left in none is no favourite.
    readSelectionStates();
    for (const auto& [folder, checked] : selectionStates_)
        if (checked) return;
    PlannerStore(shared_).setFavorite(ProductId::of(product_.recordId), 0, "");
    favorite_ = false;
}

namespace {
// The remove-favourite question's buttons, in the order shown.
enum class RemoveFavoriteAnswer { Yes = 0, No = 1 };
} // namespace

void ProductDetail::editButton() {
    if (!favorite_ || gone_) return;
    FavFlag_ = false;
    alertFlag_ = false;
    const PlannerWrites::Filed filed =
        PlannerWrites(shared_).filedIn(ProductId::of(product_.recordId));
    const std::string question =
        replaceAll(replaceAll(platform_.strings.text(removeFavoriteQuestionKey()), "%d",
                              formatInt(static_cast<long long>(filed.folders))),
                   "%@", filed.calories);
    std::weak_ptr<int> alive = alive_;
    platform_.alerts.show(
        // Escape keeps the favourite.
        {"", question, {key("Ja"), key("Nein")}, int(RemoveFavoriteAnswer::No)},
        [this, alive](int button) {
            if (!alive.lock() || FavFlag_ || gone_ ||
                static_cast<RemoveFavoriteAnswer>(button) != RemoveFavoriteAnswer::Yes)
                return;
            if (!PlannerWrites(shared_).removeFavorite(ProductId::of(product_.recordId)))
                platform_.log.write("Product " + product_.recordId +
                                    " not taken out of its folders");
            readSelectionStates();
            if (const auto stored =
                    CatalogueStore(shared_).selectProductDetail(ProductId::of(product_.recordId)))
                favorite_ = stored->favourite();
            changed();
        });
}

bool ProductDetail::stillStored(bool said) {
    if (gone_) return false;
    if (CatalogueStore(shared_).selectProductDetail(ProductId::of(product_.recordId))) return true;
    if (shared_.lastReadFailed()) {
        platform_.log.write("Product " + product_.recordId + " could not be read");
        return false;
    }
    markGone();
    if (said) platform_.alerts.show({"", goneKey(), {key("OK")}});
    return false;
}

void ProductDetail::markGone() {
    gone_ = true;
    showMsg_ = false;
    pickerShown_ = false;
    favorite_ = false;
    rows_.clear();
    facts_.clear();
    choiceProducts_.clear();
    choices_.clear();
    comparison_.drop(); // a comparison under way shows nothing
    for (auto& [folder, checked] : selectionStates_)
        checked = false;
    changed();
}

void ProductDetail::viewWillAppear() {
    folderNameArray_.clear();
    folderIDarray_.clear();
    selectionStates_.clear();
    for (const FolderRow& folder : PlannerStore(shared_).selectMenuItemsSortByOrder()) {
        folderNameArray_.push_back(folderDisplayName(folder, platform_.strings));
        folderIDarray_.push_back(folder.folderId);
        selectionStates_[folder.folderId] = false;
    }
    readSelectionStates();
    // The mark may have gone meanwhile (the product taken out of its folder elsewhere), or the
    // product itself.
    if (rows_.empty()) {
        changed();
        return;
    }
    if (const auto stored =
            CatalogueStore(shared_).selectProductDetail(ProductId::of(product_.recordId))) {
        favorite_ = stored->favourite();
        changed();
    } else if (shared_.lastReadFailed()) {
        changed(); // not readable just now: shown as it was
    } else {
        markGone();
    }
}

void ProductDetail::readSelectionStates() {
    for (auto& [folder, checked] : selectionStates_)
        checked = false;
    if (rows_.empty()) return;
    for (const auto& folder :
         PlannerStore(shared_).selectFoldersAccordingToProduct(ProductId::of(product_.recordId))) {
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
    if (item < 0 || item >= numberOfRowsForPickerView() || rows_.empty()) return;
    const std::string& folder = folderIDarray_[static_cast<std::size_t>(item)];
    productIdForFolderAdd_ = product_.recordId;
    selectionStates_[folder] = true;
    const auto filing = PlannerWrites(shared_).fileProduct(product_, FolderId::of(folder));
    if (filing == PlannerWrites::Filing::Gone) {
        stillStored(true);
        return;
    }
    if (filing == PlannerWrites::Filing::Failed)
        platform_.log.write("Product " + product_.recordId + " not filed into folder " + folder);
    readSelectionStates();
    filingNote_.clear();
    if (pickerViewSelectionStateForRow(item))
        filingNote_ = replaceAll(platform_.strings.text(key("Accessible Added To %@")), "%@",
                                 folderNameArray_[static_cast<std::size_t>(item)]);
    changed();
}

void ProductDetail::pickerViewDidUncheckRow(int item) {
    if (item < 0 || item >= numberOfRowsForPickerView() || rows_.empty()) return;
    const std::string& folder = folderIDarray_[static_cast<std::size_t>(item)];
    productIdForFolderAdd_ = product_.recordId;
    selectionStates_[folder] = false;
    filingNote_.clear();
    if (!PlannerWrites(shared_).unfileProduct(ProductId::of(product_.recordId),
                                              FolderId::of(folder)))
        platform_.log.write("Product " + product_.recordId + " not taken out of folder " + folder);
    readSelectionStates();
    changed();
}

void ProductDetail::receivedRotate(DeviceOrientation orientation) {
    if (isLandscape(orientation) && host_.showLandscapeView)
        host_.showLandscapeView(product_, orientation);
}

void ProductDetail::viewWillDisappear() {
    platform_.appDefaults().setProducteDetailFromScreen(fromScreen_);
    if (pickerShown_) {
        pickerShown_ = false;
        closePicker();
        changed();
    }
}

void ProductDetail::changed() {
    if (listener_) listener_->detailChanged();
}

} // namespace tolvane
