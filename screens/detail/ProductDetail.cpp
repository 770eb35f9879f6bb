#include "ProductDetail.h"

#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"
#include "platform/Keys.h"
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
    // "g" and "ml" are written in the interface language's letters; other unit texts as stored.
    const std::string shownUnit = unit == "g"    ? strings.text(key("g"))
                                  : unit == "ml" ? strings.text(key("ml"))
                                                 : unit;
    if (index == 0) return {"", strings.text("Alle Angaben in g, bezogen auf 100") + shownUnit, ""};
    if (index == 6)
        return {"", strings.text("Eine Verkaufsportion hat ") + field(11) + shownUnit, ""};
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

std::string ProductDetail::favoriteButtonKey() const {
    return favorite_ ? key("Aus Favoriten entfernen") : key("Zu Favoriten hinzufügen");
}

void ProductDetail::favoriteButtonClicked() {
    if (favorite_)
        editButton();
    else
        addToFav();
}

void ProductDetail::addToFav() {
    if (productDetailArray_.empty()) return;
    alertFlag_ = true;
    FavFlag_ = true;
    shared_.searchFavNameExist(field(1));
    // Joins the end of the favourites list.
    const auto count = shared_.selectProductFavoriteCategorywise().size();
    shared_.setFavorite(field(1), 1, formatInt(static_cast<long long>(count)));
    favorite_ = true;
    changed();
}

void ProductDetail::editButton() {
    FavFlag_ = false;
    alertFlag_ = false;
    std::weak_ptr<int> alive = alive_;
    platform_.alerts.show(
        // Escape keeps the favourite.
        {"", "Wollen Sie dieses Produkt aus Ihren Favoriten löschen?", {"Ja", "Nein"}, 1},
        [this, alive](int button) {
            if (!alive.lock() || FavFlag_ || button != 0) return;
            Database db(shared_.GetDatabasePath(), platform_.log);
            db.setFavorite(field(1), 0, "");
            favorite_ = false;
            changed();
        });
}

void ProductDetail::receivedRotate(int orientation) {
    if ((orientation == 3 || orientation == 4) && host_.showLandscapeView)
        host_.showLandscapeView(detailsArr_, orientation);
}

void ProductDetail::viewWillDisappear() {
    platform_.defaults.setString("ProducteDetailFromScreen", fromScreen_);
}

void ProductDetail::changed() {
    if (listener_) listener_->detailChanged();
}

} // namespace tolvane
