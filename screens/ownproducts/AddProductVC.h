// The form on which the user enters a product of their own or changes one entered before.
// Saving writes the product and its catalogue mirror in one transaction, so it shows up in the
// product list, the categories and the detail like any catalogue product.
#pragma once

#include "nutrition/OwnProductRules.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;

// The fields in entry order, the order of the "Zurück"/"Weiter" keys.
enum class ProductField {
    Name,
    Maker,
    Category,
    Fat,
    SaturatedFat,
    Sugar,
    SaltUnit,
    Salt,
    Energy,
    Quantity,
    Barcode,
};
inline constexpr int kProductFieldCount = 11;

// Digits: a barcode number, digits only.
enum class FieldInput { Text, Number, Digits, CategoryPicker, SaltPicker };

struct FormRow {
    enum class Kind { Field, UnitSegment };
    Kind kind = Kind::Field;
    ProductField field = ProductField::Name; // for Kind::Field
    const char* labelKey = nullptr;          // label left of the field, nullptr for none
    const char* placeholderKey = nullptr;
};

struct FormSection {
    const char* headerKey = nullptr; // nullptr for none
    std::vector<FormRow> rows;
};

class AddProductListener {
public:
    virtual ~AddProductListener() = default;
    // Texts, the salt label, the unit segment or the category changed: show them again.
    virtual void formChanged() {}
    // The input moved: focus currentField(), or show visiblePicker(), or neither.
    virtual void inputMoved() {}
};

class AddProductVC : public Screen {
public:
    enum class Picker { None, Category, Salt };

    // productId: empty for a new product, else its RecordId. productCnt: the number of own
    // products listed, a new product's sort order. ownProductsChanged: called once a product is
    // saved (the catalogue service reads the product list again).
    AddProductVC(Platform platform, Database& shared, Navigation& navigation, std::string productId,
                 int productCnt, std::function<void()> ownProductsChanged = {});
    ~AddProductVC() override;

    // "Produkt bearbeiten" for a product entered before.
    const char* titleKey() const;
    static const char* saveButtonKey() { return key("Fertig"); }
    static const char* previousKey() { return key("Zurück"); }
    static const char* nextKey() { return key("Weiter"); }
    static const char* requiredFieldsKey();
    static const char* decimalPlacesKey();
    static const char* saveFailedKey();
    static const char* changesNotSavedKey();
    static const char* noBarcodeKey();
    static const char* discardQuestionKey() { return key("Discard Typed Product Question"); }
    static const char* discardKey() { return key("Discard"); }
    static const char* keepEditingKey() { return key("Keep Editing"); }

    static const std::vector<FormSection>& sections();
    static FieldInput input(ProductField field);
    static const char* segmentKey(int segment);
    static constexpr int saltRowCount() { return 2; }
    static const char* saltRowKey(int row);

    void setListener(AddProductListener* listener) { listener_ = listener; }

    // --- Lifecycle ---
    // Reads the categories; the first appearance also puts the input on the name and, for an
    // existing product, fills the form 0.05 s later.
    void viewWillAppear();
    void viewWillDisappear();
    void showData();

    // --- Fields ---
    // What the field shows; for the salt-unit field the looked-up row name.
    std::string text(ProductField field) const;
    // A text typed into a field. Number fields keep only digits and one separator; the picker
    // fields are set by their pickers only.
    void setText(ProductField field, const std::string& text);
    int unitSegment() const { return unitSegment_; }
    void setUnitSegment(int segment);
    // A new product with the code of a scanned or typed product the catalogue does not have.
    static std::shared_ptr<AddProductVC> withBarcode(Platform platform, Database& shared,
                                                     Navigation& navigation,
                                                     std::function<void()> ownProductsChanged,
                                                     const std::string& code);

    // --- Pickers ---
    Picker visiblePicker() const;
    int categoryCount() const { return static_cast<int>(categories_.size()); }
    std::string categoryTitle(int row) const;
    // Row of the chosen category, -1 when none is chosen.
    int categoryRow() const;
    void selectCategory(int row);
    int saltRow() const { return saltRow_; }
    void selectSaltRow(int row);

    // --- Input bar and keyboard ---
    std::optional<ProductField> currentField() const { return current_; }
    // The user put the input into a field (a tap); picker fields open their picker.
    void beginEditing(ProductField field);
    void prevNextClicked(bool next);
    bool canGoPrevious() const;
    bool canGoNext() const;
    void numPadDotClicked();
    void numPadCommaClicked();
    // Return on a text field: name to maker, maker to category, on to the next field.
    void returnPressed();
    // The done key: the keyboard or picker goes.
    void endEditing();

    // --- Leaving ---
    // Something typed or chosen differs from what the form showed when it opened.
    bool hasChanges() const;
    // Escape: without changes the form closes; with changes the user is asked first whether to
    // discard them ("Keep editing" is Escape's answer) and the form stays until they say so.
    bool backKeyPressed() override;

    // --- Saving (the "Fertig" button) ---
    // Stores everything or nothing; when nothing, the form stays open and says so.
    void saveRecord();

    const std::string& productId() const { return productId_; }

private:
    // The label of the first nutrient field with too many decimals.
    const char* decimalsFieldKey() const;
    // Why the barcode typed cannot be kept; nullptr when it can (none is fine).
    const char* barcodeProblemKey() const;
    struct Category {
        int recordId = 0;
        std::string name; // a string-table key
    };
    void readCategories();
    void appendSeparator(char separator);
    void moveBy(int step);
    void moveTo(std::optional<ProductField> field);
    void formChanged();
    // What hasChanges() compares with: the form as it was filled on opening.
    void keepAsOpened();

    Platform platform_;
    Database& shared_; // its catalogue caches are dropped when a product is saved
    Navigation& navigation_;
    AddProductListener* listener_ = nullptr;
    std::string productId_;
    int productCnt_ = 0;
    std::function<void()> ownProductsChanged_;

    std::array<std::string, kProductFieldCount> texts_;
    std::vector<Category> categories_;
    int categoryPos_ = 0;
    int saltRow_ = kSaltRow; // the unit the lights use
    int unitSegment_ = 0;
    std::string origSalzOrNatriumVal_;
    int origSalzOrNatriumPickerVal_ = 0;
    std::optional<ProductField> current_;
    struct Opened {
        std::array<std::string, kProductFieldCount> texts;
        int saltRow = 0;
        int unitSegment = 0;
        bool operator==(const Opened&) const = default;
    };
    Opened opened_;
    bool asking_ = false; // the discard question is up
    bool appeared_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
