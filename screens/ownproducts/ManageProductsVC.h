// The list of the products the user entered: a product opens its detail; in editing mode the
// user adds products, opens them in the entry form, deletes them or moves them into an order.
#pragma once

#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/detail/DetailHost.h"
#include "store/Rows.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class ManageProductsListener {
public:
    virtual ~ManageProductsListener() = default;
    // Rows, the help text or the editing mode changed: reload.
    virtual void listChanged() {}
};

class ManageProductsVC : public Screen {
public:
    // ownProductsChanged: called once a product is saved or deleted (the catalogue service reads
    // the product list again).
    ManageProductsVC(Platform platform, Database& shared, Navigation& navigation,
                     DetailHost host = {}, std::function<void()> ownProductsChanged = {});
    ~ManageProductsVC() override;

    static const char* titleKey() { return key("Eigene Produkte"); }
    static const char* helpTextKey();
    static const char* deleteFailedKey();
    // Asked before a product filed in folders is deleted: how many folders, how many calories.
    static const char* deleteFiledQuestionKey() { return key("Delete Filed Own Product Question"); }
    static const char* backTitleKey() { return key("Zurück"); }

    void setListener(ManageProductsListener* listener) { listener_ = listener; }

    // --- Lifecycle ---
    void viewWillAppear();
    // Stores the order the rows have now.
    void viewWillDisappear();

    // --- What the screen shows ---
    int numberOfRows() const { return static_cast<int>(productsArray_.size()); }
    const ListRow& row(int index) const;
    // Without products the table is hidden and the help text shown.
    bool tableHidden() const { return productsArray_.empty(); }
    bool helpTextShown() const { return tableHidden(); }
    bool isEditing() const { return isEditing_; }
    // The right bar button: "Bearbeiten", or "Fertig" (done style) while editing.
    const char* editButtonKey() const;
    bool addButtonShown() const { return isEditing_; }
    bool backButtonShown() const { return !isEditing_; }
    // The row whose delete key was pressed shows its Delete button; -1 when none does.
    int revealedRow() const { return revealedRow_; }
    static const char* deleteButtonKey() { return "Löschen"; }

    // --- Actions ---
    void editButtonClicked();
    void addButtonClicked();
    void didSelectRow(int index);
    // The first of deletion's two steps: the row's delete key reveals (or hides again) its
    // Delete button; every other action hides it.
    void deleteKeyClicked(int index);
    // Escape hides a revealed Delete button and changes nothing else.
    bool backKeyPressed() override;
    // The second step: only the row whose Delete button shows is deleted. It removes the
    // product, its catalogue row and its folder rows together; when any is refused, all stay
    // and the user is told. A product filed in folders is deleted only after the user said yes
    // to a question naming them.
    void deleteRow(int index);
    void moveRow(int from, int to);

private:
    void loadProducts();
    void deleteProduct(const std::string& recordId);
    void openForm(const std::string& productId);
    void changed();

    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    DetailHost host_;
    std::function<void()> ownProductsChanged_;
    ManageProductsListener* listener_ = nullptr;
    std::vector<ListRow> productsArray_;
    bool isEditing_ = false;
    int revealedRow_ = -1;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
