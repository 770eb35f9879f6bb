#include "screens/ownproducts/ManageProductsVC.h"

#include "nutrition/NumberText.h"
#include "screens/detail/ProductDetail.h"
#include "screens/ownproducts/AddProductVC.h"
#include "screens/ownproducts/MirrorLink.h"
#include "store/Database.h"

namespace tolvane {

ManageProductsVC::ManageProductsVC(Platform platform, Database& shared, Navigation& navigation,
                                   DetailHost host, std::function<void()> ownProductsChanged)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)),
      ownProductsChanged_(std::move(ownProductsChanged)) {}

ManageProductsVC::~ManageProductsVC() = default;

const char* ManageProductsVC::helpTextKey() {
    return key("Sie können hier Ihre eigenen Produkte und deren Werte einfügen. Bitte drücken Sie "
               "den Bearbeiten-Knopf und dann Plus (+). Produkte können jederzeit nachträglich "
               "angepasst oder gelöscht werden.");
}

const char* ManageProductsVC::deleteFailedKey() {
    return key("Das Produkt konnte nicht gelöscht werden. Bitte versuchen Sie es noch einmal.");
}

const char* ManageProductsVC::editButtonKey() const {
    return isEditing_ ? key("Fertig") : key("Bearbeiten");
}

const ListRow& ManageProductsVC::row(int index) const {
    static const ListRow none;
    if (index < 0 || index >= numberOfRows()) return none;
    return productsArray_[static_cast<std::size_t>(index)];
}

void ManageProductsVC::viewWillAppear() {
    platform_.appDefaults().setManageProductAddBtnClicked(false);
    loadProducts();
    changed();
}

void ManageProductsVC::loadProducts() {
    // Name order until the user first moves a row.
    productsArray_ = platform_.appDefaults().manageProductsReArranged()
                         ? shared_.selectProductsBySortOrder()
                         : shared_.selectProductsSortByProductName();
    // A row without its identifier cannot be opened, moved or deleted.
    std::erase_if(productsArray_, [](const ListRow& row) { return row.recordId.empty(); });
}

void ManageProductsVC::viewWillDisappear() {
    Database& db = shared_;
    // The order is stored whole or not at all.
    db.runInCheckedTransaction([&] {
        for (std::size_t i = 0; i < productsArray_.size(); ++i)
            db.updateProductOrderForId(formatInt(static_cast<long long>(i)),
                                       productsArray_[i].recordId);
        return true;
    });
}

void ManageProductsVC::editButtonClicked() {
    isEditing_ = !isEditing_;
    revealedRow_ = -1;
    changed();
}

void ManageProductsVC::addButtonClicked() {
    if (!isEditing_) return;
    platform_.appDefaults().setManageProductAddBtnClicked(true);
    openForm({});
}

void ManageProductsVC::openForm(const std::string& productId) {
    navigation_.push(std::make_shared<AddProductVC>(platform_, shared_, navigation_, productId,
                                                    numberOfRows(), ownProductsChanged_),
                     backTitleKey());
}

void ManageProductsVC::didSelectRow(int index) {
    if (index < 0 || index >= numberOfRows()) return;
    if (revealedRow_ >= 0) { // a tap beside a revealed Delete button takes it away
        revealedRow_ = -1;
        changed();
        return;
    }
    const std::string recordId = row(index).recordId;
    platform_.appDefaults().setManageProductProductId(recordId);
    platform_.appDefaults().setIsEditing(isEditing_);
    if (isEditing_) {
        openForm(recordId);
        return;
    }
    const auto product = shared_.selectProductDetail(mirrorRecordId(shared_, recordId));
    if (!product) {
        platform_.log.write("Own product " + recordId + " has no catalogue row");
        return;
    }
    auto detail = std::make_shared<ProductDetail>(platform_, shared_, host_);
    detail->setFromScreen("ManageProducts");
    detail->drawData(*product);
    navigation_.push(detail, backTitleKey());
}

void ManageProductsVC::deleteKeyClicked(int index) {
    if (!isEditing_ || index < 0 || index >= numberOfRows()) return;
    revealedRow_ = revealedRow_ == index ? -1 : index;
    changed();
}

void ManageProductsVC::deleteRow(int index) {
    if (index < 0 || index >= numberOfRows() || index != revealedRow_) return;
    revealedRow_ = -1;
    shared_.catalogueChanged();
    const std::string recordId = row(index).recordId;
    Database& db = shared_;
    // Neither row goes without the other: an own product without its catalogue row could no
    // longer be opened, a catalogue row without its own product no longer deleted.
    const bool deleted = db.runInCheckedTransaction([&] {
        db.deleteProductFromMainTable(mirrorRecordId(db, recordId));
        db.deleteProduct(recordId);
        return true;
    });
    if (!deleted) {
        platform_.log.write("Own product " + recordId + " not deleted");
        platform_.alerts.show({"", deleteFailedKey(), {key("OK")}});
        return;
    }
    if (ownProductsChanged_) ownProductsChanged_();
    productsArray_.erase(productsArray_.begin() + index);
    if (productsArray_.empty()) platform_.appDefaults().setManageProductsReArranged(false);
    changed();
}

void ManageProductsVC::moveRow(int from, int to) {
    if (from < 0 || from >= numberOfRows() || to < 0 || to >= numberOfRows() || from == to) return;
    revealedRow_ = -1;
    platform_.appDefaults().setManageProductsReArranged(true);
    auto moved = productsArray_[static_cast<std::size_t>(from)];
    productsArray_.erase(productsArray_.begin() + from);
    productsArray_.insert(productsArray_.begin() + to, std::move(moved));
    changed();
}

void ManageProductsVC::changed() {
    if (listener_) listener_->listChanged();
}

} // namespace tolvane
