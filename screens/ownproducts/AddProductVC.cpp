#include "screens/ownproducts/AddProductVC.h"

#include "catalogue/IndexGrouping.h"
#include "format/Gtin.h"
#include "nutrition/NumberText.h"
#include "nutrition/OwnProductRules.h"
#include "screens/ownproducts/OwnProductWrites.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"

#include <algorithm>

namespace tolvane {
namespace {

std::size_t index(ProductField field) {
    return static_cast<std::size_t>(field);
}

ProductField fieldAt(int position) {
    return static_cast<ProductField>(position);
}

} // namespace

AddProductVC::AddProductVC(Platform platform, Database& shared, Navigation& navigation,
                           std::string productId, int productCnt,
                           std::function<void()> ownProductsChanged)
    : platform_(platform), shared_(shared), navigation_(navigation),
      productId_(std::move(productId)), productCnt_(productCnt),
      ownProductsChanged_(std::move(ownProductsChanged)) {
    keepAsOpened();
}

AddProductVC::~AddProductVC() = default;

const char* AddProductVC::titleKey() const {
    return productId_.empty() ? key("Neues Produkt hinzufügen") : key("Produkt bearbeiten");
}

const char* AddProductVC::requiredFieldsKey() {
    return key("Sie haben noch nicht alle benötigten Textfelder ausgefüllt. Bitte ergänzen Sie "
               "Produktnamen, Hersteller oder wählen noch eine Kategorie");
}

const char* AddProductVC::decimalPlacesKey() {
    return key("Sie haben zu viele Nachkommastellen angegeben. Bitte geben Sie maximal eine, bei "
               "Salz maximal zwei an.");
}

const char* AddProductVC::saveFailedKey() {
    return key("Das Produkt konnte nicht gespeichert werden. Bitte versuchen Sie es noch einmal.");
}

const char* AddProductVC::changesNotSavedKey() {
    return key("Die Änderungen konnten nicht gespeichert werden. Das Produkt bleibt unverändert.");
}

const char* AddProductVC::noBarcodeKey() {
    return key("A barcode has 8, 12, 13 or 14 digits, a shop's own code 3 to 11.");
}

const std::vector<FormSection>& AddProductVC::sections() {
    using K = FormRow::Kind;
    using F = ProductField;
    static const std::vector<FormSection> form{
        {nullptr,
         {{K::Field, F::Name, nullptr, key("Produktname")},
          {K::Field, F::Maker, nullptr, key("Herstellername")},
          {K::Field, F::Category, nullptr, key("Kategorie")}}},
        {nullptr, {{K::UnitSegment, F::Name, nullptr, nullptr}}},
        {key("Werte für jeweils 100 g/ml"),
         {{K::Field, F::Fat, key("Fett"), key("optional")},
          {K::Field, F::SaturatedFat, key("gesättigte Fette"), key("optional")},
          {K::Field, F::Sugar, key("Zucker"), key("optional")},
          {K::Field, F::SaltUnit, nullptr, nullptr},
          {K::Field, F::Salt, nullptr, key("optional")},
          {K::Field, F::Energy, key("Kalorien (kcal)"), key("optional")}}},
        {key("Gewicht oder Menge der Verkaufsportion:"),
         {{K::Field, F::Quantity, key("Produktmenge"), key("optional")}}},
        {nullptr, {{K::Field, F::Barcode, key("Strichcode"), key("optional")}}},
    };
    return form;
}

FieldInput AddProductVC::input(ProductField field) {
    switch (field) {
    case ProductField::Name:
    case ProductField::Maker:
    case ProductField::Quantity:
        return FieldInput::Text;
    case ProductField::Category:
        return FieldInput::CategoryPicker;
    case ProductField::SaltUnit:
        return FieldInput::SaltPicker;
    case ProductField::Barcode:
        return FieldInput::Digits;
    default:
        return FieldInput::Number;
    }
}

const char* AddProductVC::segmentKey(int segment) {
    return segment == 0 ? key("Lebensmittel") : key("Getränk");
}

const char* AddProductVC::saltRowKey(int row) {
    return row == kSodiumRow ? key("Natrium") : key("Salz");
}

// --- Lifecycle ---

void AddProductVC::viewWillAppear() {
    readCategories();
    // Later appearances (after another tab) keep what the user typed.
    if (appeared_) return;
    appeared_ = true;
    moveTo(ProductField::Name);
    if (productId_.empty()) return;
    std::weak_ptr<int> alive = alive_;
    platform_.dispatcher.runLater(0.05, [this, alive] {
        if (alive.lock()) showData();
    });
}

void AddProductVC::viewWillDisappear() {
    endEditing();
}

void AddProductVC::readCategories() {
    categories_.clear();
    for (const CategoryRow& category : CatalogueStore(shared_).selectCategories())
        categories_.push_back({integerValue(category.recordId), category.name});
    // The wheel lists them in the order of the names the reader sees.
    std::stable_sort(categories_.begin(), categories_.end(), [this](const auto& a, const auto& b) {
        return sortKeyOf(platform_.strings.text(a.name)) <
               sortKeyOf(platform_.strings.text(b.name));
    });
}

void AddProductVC::showData() {
    if (productId_.empty()) return;
    const auto product = OwnProductStore(shared_).selectProductForId(OwnProductId::of(productId_));
    if (!product) {
        platform_.log.write("Own product " + productId_ + " not found");
        return;
    }
    categoryPos_ = integerValue(product->categoryId);
    texts_[index(ProductField::Category)].clear();
    for (const auto& category : categories_)
        if (category.recordId == categoryPos_)
            texts_[index(ProductField::Category)] = platform_.strings.text(category.name);
    texts_[index(ProductField::Name)] = product->name;
    texts_[index(ProductField::Maker)] = product->maker;
    const NutrientColumns& n = product->nutrients;
    texts_[index(ProductField::Fat)] = n.fat;
    texts_[index(ProductField::SaturatedFat)] = n.saturatedFat;
    texts_[index(ProductField::Sugar)] = n.sugar;
    texts_[index(ProductField::Salt)] = n.salt;
    texts_[index(ProductField::Energy)] = n.kcal;
    texts_[index(ProductField::Quantity)] = product->portion;
    texts_[index(ProductField::Barcode)] =
        OwnProductStore(shared_).selectProductGtinForId(OwnProductId::of(productId_));
    origSalzOrNatriumVal_ = n.salt;
    unitSegment_ = product->unit == "g" ? 0 : 1;
    saltRow_ = product->saltOrSodium == "0" ? kSodiumRow : kSaltRow;
    if (saltRow_ == kSodiumRow && !n.salt.empty())
        texts_[index(ProductField::Salt)] = sodiumFromStoredSalt(n.salt);
    origSalzOrNatriumPickerVal_ = saltRow_;
    keepAsOpened();
    formChanged();
}

// --- Fields ---

std::string AddProductVC::text(ProductField field) const {
    if (field == ProductField::SaltUnit) return platform_.strings.text(saltRowKey(saltRow_));
    return texts_[index(field)];
}

void AddProductVC::setText(ProductField field, const std::string& text) {
    switch (input(field)) {
    case FieldInput::Text:
        texts_[index(field)] = text;
        break;
    case FieldInput::Number:
        texts_[index(field)] = numberFieldText(text);
        break;
    case FieldInput::Digits: {
        std::string digits;
        for (const char c : text)
            if (c >= '0' && c <= '9') digits += c;
        texts_[index(field)] = digits;
        break;
    }
    default:
        return;
    }
}

void AddProductVC::setUnitSegment(int segment) {
    unitSegment_ = segment == 0 ? 0 : 1;
}

std::shared_ptr<AddProductVC> AddProductVC::withBarcode(Platform platform, Database& shared,
                                                        Navigation& navigation,
                                                        std::function<void()> ownProductsChanged,
                                                        const std::string& code) {
    const int ownProducts =
        static_cast<int>(OwnProductStore(shared).selectProductsBySortOrder().size());
    auto form = std::make_shared<AddProductVC>(platform, shared, navigation, "", ownProducts,
                                               std::move(ownProductsChanged));
    form->setText(ProductField::Barcode, code);
    form->keepAsOpened(); // the code came with the form, nobody typed it
    return form;
}

// --- Pickers ---

AddProductVC::Picker AddProductVC::visiblePicker() const {
    if (!current_) return Picker::None;
    if (*current_ == ProductField::Category) return Picker::Category;
    if (*current_ == ProductField::SaltUnit) return Picker::Salt;
    return Picker::None;
}

std::string AddProductVC::categoryTitle(int row) const {
    if (row < 0 || row >= categoryCount()) return {};
    return platform_.strings.text(categories_[static_cast<std::size_t>(row)].name);
}

int AddProductVC::categoryRow() const {
    if (texts_[index(ProductField::Category)].empty()) return -1;
    for (int row = 0; row < categoryCount(); ++row)
        if (categories_[static_cast<std::size_t>(row)].recordId == categoryPos_) return row;
    return -1;
}

void AddProductVC::selectCategory(int row) {
    if (row < 0 || row >= categoryCount()) return;
    categoryPos_ = categories_[static_cast<std::size_t>(row)].recordId;
    texts_[index(ProductField::Category)] = categoryTitle(row);
    formChanged();
}

void AddProductVC::selectSaltRow(int row) {
    if (row != kSodiumRow && row != kSaltRow) return;
    saltRow_ = row;
    formChanged();
}

// --- Input bar and keyboard ---

void AddProductVC::beginEditing(ProductField field) {
    if (current_ == field) return;
    moveTo(field);
}

bool AddProductVC::canGoPrevious() const {
    return current_ && static_cast<int>(*current_) > 0;
}

bool AddProductVC::canGoNext() const {
    return !current_ || static_cast<int>(*current_) < kProductFieldCount - 1;
}

void AddProductVC::prevNextClicked(bool next) {
    if (!current_) {
        if (next) moveTo(ProductField::Name);
        return;
    }
    moveBy(next ? 1 : -1);
}

void AddProductVC::moveBy(int step) {
    int position = static_cast<int>(*current_) + step;
    // Next and Previous step over the salt/sodium chooser (a tap sets it): what is typed after
    // Next from the sugar lands in the salt field.
    if (position >= 0 && position < kProductFieldCount &&
        fieldAt(position) == ProductField::SaltUnit)
        position += step;
    if (position < 0 || position >= kProductFieldCount) return;
    moveTo(fieldAt(position));
}

void AddProductVC::numPadDotClicked() {
    appendSeparator('.');
}

void AddProductVC::numPadCommaClicked() {
    appendSeparator(',');
}

void AddProductVC::appendSeparator(char separator) {
    if (!current_ || input(*current_) != FieldInput::Number) return;
    auto& field = texts_[index(*current_)];
    field = withSeparatorKey(field, separator);
    formChanged();
}

void AddProductVC::returnPressed() {
    if (!current_) return;
    if (static_cast<int>(*current_) == kProductFieldCount - 1) {
        endEditing();
        return;
    }
    moveBy(1);
}

void AddProductVC::endEditing() {
    moveTo(std::nullopt);
}

void AddProductVC::moveTo(std::optional<ProductField> field) {
    // The wheel opens with its first category highlighted: left unturned, that one is taken.
    if (current_ == ProductField::Category && field != ProductField::Category && categoryRow() < 0)
        selectCategory(0);
    current_ = field;
    if (listener_) listener_->inputMoved();
}

void AddProductVC::formChanged() {
    if (listener_) listener_->formChanged();
}

// --- Leaving ---

void AddProductVC::keepAsOpened() {
    opened_ = {texts_, saltRow_, unitSegment_};
}

bool AddProductVC::hasChanges() const {
    return !(Opened{texts_, saltRow_, unitSegment_} == opened_);
}

bool AddProductVC::backKeyPressed() {
    if (asking_) return true;
    if (!hasChanges()) {
        endEditing();
        navigation_.pop();
        return true;
    }
    asking_ = true;
    std::weak_ptr<int> alive = alive_;
    platform_.alerts.show({"", discardQuestionKey(), {discardKey(), keepEditingKey()}, 1},
                          [this, alive](int button) {
                              if (!alive.lock()) return;
                              asking_ = false;
                              if (button != 0) return;
                              endEditing();
                              navigation_.pop();
                          });
    return true;
}

// --- Saving ---

const char* AddProductVC::decimalsFieldKey() const {
    for (const auto& row : sections()[2].rows) {
        if (input(row.field) != FieldInput::Number) continue;
        const bool salt = row.field == ProductField::Salt;
        if (decimalPlaces(texts_[index(row.field)]) > (salt ? kMaxSaltDecimals : kMaxDecimals))
            return salt ? saltRowKey(saltRow_) : row.labelKey;
    }
    return "";
}

const char* AddProductVC::barcodeProblemKey() const {
    const std::string& code = texts_[index(ProductField::Barcode)];
    if (code.empty() || shortCodeKey(code)) return nullptr;
    // Checked as the search checks a typed one, so that what is saved can be found.
    const auto gtin = readGtin(code);
    if (!gtin) return noBarcodeKey();
    return gtin->checkDigitFits ? nullptr : key("this barcode's check digit is wrong");
}

void AddProductVC::saveRecord() {
    shared_.catalogueChanged();

    // "|" separates the fields of a record string, so it may enter no stored text.
    OwnProductValues v;
    v.name = withoutRecordSeparator(texts_[index(ProductField::Name)]);
    v.maker = withoutRecordSeparator(texts_[index(ProductField::Maker)]);
    v.quantity = withoutRecordSeparator(texts_[index(ProductField::Quantity)]);
    v.fat = texts_[index(ProductField::Fat)];
    v.saturatedFat = texts_[index(ProductField::SaturatedFat)];
    v.sugar = texts_[index(ProductField::Sugar)];
    v.energy = texts_[index(ProductField::Energy)];
    const std::string& typedSalt = texts_[index(ProductField::Salt)];

    const bool missing =
        v.name.empty() || v.maker.empty() || texts_[index(ProductField::Category)].empty();
    const bool anyNutrient = !v.fat.empty() || !v.saturatedFat.empty() || !v.sugar.empty() ||
                             !typedSalt.empty() || !v.energy.empty();
    const bool tooManyDecimals =
        anyNutrient && !decimalPlacesValid(v.fat, v.saturatedFat, v.sugar, typedSalt, v.energy);
    if (missing) platform_.alerts.show({"", requiredFieldsKey(), {key("OK")}});
    // Titled with the label of the first field holding too many, so the user finds it.
    if (tooManyDecimals)
        platform_.alerts.show({decimalsFieldKey(), decimalPlacesKey(), {key("OK")}});
    const char* barcodeProblem = barcodeProblemKey();
    if (barcodeProblem && !missing && !tooManyDecimals)
        platform_.alerts.show({key("Strichcode"), barcodeProblem, {key("OK")}});
    if (missing || tooManyDecimals || barcodeProblem) return;
    v.barcode = texts_[index(ProductField::Barcode)];

    v.category = formatInt(categoryPos_);
    v.unit = unitSegment_ == 0 ? "g" : "ml";
    v.saltRow = formatInt(saltRow_);
    v.salt = saltToStore(typedSalt, saltRow_, origSalzOrNatriumVal_, origSalzOrNatriumPickerVal_);

    const bool isNew = productId_.empty();
    OwnProductWrites writes(shared_);
    if (!(isNew ? writes.insert(v, productCnt_) : writes.update(OwnProductId::of(productId_), v))) {
        platform_.log.write("Own product not saved");
        platform_.alerts.show({"", isNew ? saveFailedKey() : changesNotSavedKey(), {key("OK")}});
        return;
    }
    if (ownProductsChanged_) ownProductsChanged_();
    endEditing();
    navigation_.pop();
}

} // namespace tolvane
